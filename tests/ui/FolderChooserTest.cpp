#include "UiTestSupport.h"
#include "ui/BrowseForFolder.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QTimer>

namespace {

class FolderChooser : public ::testing::Test {
protected:
    FolderChooser() {
        QDir(root.path()).mkdir(QStringLiteral("real"));
        QFile::link(root.filePath("real"), root.filePath("link"));
        WriteBytes(root.filePath("file.txt"), "x");
    }

    // Makes `path` the current item of the dialog's list, as a click would.
    static void Select(FolderChooserDialog& dialog, const QString& path) {
        auto* model = dialog.findChild<QFileSystemModel*>();
        auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_TRUE(WaitFor([&] { return model->index(path).isValid(); }));
        view->setCurrentIndex(model->index(path));
    }
    static QPushButton* Ok(FolderChooserDialog& dialog) {
        return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
    }

    // Runs BrowseForFolder; `inDialog` works the dialog once it is shown.
    static int Browse(const QString& start, QString* output,
                      const std::function<void(FolderChooserDialog&)>& inDialog) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<FolderChooserDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            inDialog(*dialog);
        });
        return BrowseForFolder(nullptr, start, output, 2048);
    }

    QTemporaryDir root;
};

TEST_F(FolderChooser, OnlyExistingFoldersThatAreNoLinksCanBeChosen) {
    EXPECT_TRUE(IsSelectableFolder(root.filePath("real")));
    EXPECT_FALSE(IsSelectableFolder(root.filePath("link")));
    EXPECT_FALSE(IsSelectableFolder(root.filePath("file.txt")));
    EXPECT_FALSE(IsSelectableFolder(root.filePath("gone")));
    EXPECT_FALSE(IsSelectableFolder(QString()));

    FolderChooserDialog dialog(nullptr, root.path());
    dialog.show();
    Select(dialog, root.filePath("link"));
    EXPECT_FALSE(Ok(dialog)->isEnabled());
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible()) << "OK refuses a link";
    Select(dialog, root.filePath("real"));
    EXPECT_TRUE(Ok(dialog)->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FolderChooser, ReturnsTheChosenFolderOrNothing) {
    QString output = QStringLiteral("old");
    const int chosen = Browse(root.path(), &output, [&](FolderChooserDialog& dialog) {
        EXPECT_EQ(QDir(dialog.directory()), QDir(root.path()));
        Select(dialog, root.filePath("real"));
        Ok(dialog)->click();
    });
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(QDir(output), QDir(root.filePath("real")));

    const int cancelled =
        Browse(root.path(), &output, [](FolderChooserDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(cancelled, 0);
    EXPECT_TRUE(output.isEmpty());
}

TEST_F(FolderChooser, StartsInTheCurrentDirectoryWithoutAStartFolder) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.filePath("real"));
    QString output;
    const int chosen = Browse(QString(), &output, [&](FolderChooserDialog& dialog) {
        EXPECT_EQ(QDir(dialog.directory()), QDir(root.filePath("real")));
        dialog.accept();
    });
    QDir::setCurrent(previous);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(QDir(output), QDir(root.filePath("real")));
}

TEST_F(FolderChooser, AShortOrMissingOutputBufferIsRefusedWithoutADialog) {
    QString output = QStringLiteral("untouched");
    EXPECT_EQ(BrowseForFolder(nullptr, root.path(), &output, 259), 0);
    EXPECT_EQ(output, "untouched");
    EXPECT_EQ(BrowseForFolder(nullptr, root.path(), nullptr, 2048), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
