#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "app/TextTable.h"
#include "worker/FileReasons.h"

namespace {

// The common reasons come from the table in the user's language; any other
// in the system's words; a table without the entry falls back to those too.
TEST(FileReasons, CommonCausesAreTableTextsOthersTheSystemsWords) {
    QStringList table = EnglishTexts();
    for (int id = TextId::ReasonNoSuchFile; id <= TextId::ReasonBusy; ++id)
        table[id] = QStringLiteral("[%1]").arg(id);
    const JobTexts texts = JobTexts::From(table);
    const auto reason = [&](int error) {
        return ReasonText(texts, std::error_code(error, std::generic_category())).toStdString();
    };
    EXPECT_EQ(reason(ENOENT), "[49]");
    EXPECT_EQ(reason(EACCES), "[50]");
    EXPECT_EQ(reason(EPERM), "[50]");
    EXPECT_EQ(reason(EISDIR), "[51]");
    EXPECT_EQ(reason(ENOTDIR), "[52]");
    EXPECT_EQ(reason(ENOSPC), "[54]");
    EXPECT_EQ(reason(EFBIG), "[55]");
    EXPECT_EQ(reason(EROFS), "[56]");
    EXPECT_EQ(reason(EMFILE), "[57]");
    EXPECT_EQ(reason(ENFILE), "[57]");
    EXPECT_EQ(reason(ENAMETOOLONG), "[58]");
    EXPECT_EQ(reason(EIO), "[60]");
    EXPECT_EQ(reason(EEXIST), "[61]");
    EXPECT_EQ(reason(EBUSY), "[62]");
#ifdef EDQUOT
    EXPECT_EQ(reason(EDQUOT), "[59]");
#endif
    EXPECT_EQ(reason(EXDEV), std::generic_category().message(EXDEV));
    EXPECT_EQ(reason(0), "");

    table[TextId::ReasonDiskFull].clear();
    EXPECT_EQ(ReasonText(JobTexts::From(table), std::make_error_code(std::errc::no_space_on_device))
                  .toStdString(),
              std::generic_category().message(ENOSPC));
}

}  // namespace
