#include "worker/FailureSentence.h"

#include <QDir>

#include <utility>

#include "app/TextTable.h"

namespace {

using Failure = kermit::KermitEngine::Failure;

// The sentence of a failure that names only the file; any other says that
// the transfer failed.
int SentenceId(Failure failure) {
    using enum Failure;
    static constexpr std::pair<Failure, int> kSentences[] = {
        {OnlyNaks, TextId::FailedOnlyNaks},       {OutOfSequence, TextId::FailedOutOfSequence},
        {Damaged, TextId::FailedDamaged},         {NothingUsable, TextId::FailedNothingUsable},
        {Refused, TextId::FailedRefusedHere},     {CannotCreate, TextId::FailedCannotCreate},
        {WriteFailed, TextId::FailedCannotWrite}, {NoAnswer, TextId::FailedNoAnswer},
    };
    for (const auto& [known, id] : kSentences)
        if (known == failure) return id;
    return TextId::FailedOther;
}

QString Sentence(const JobTexts& texts, const kermit::KermitEngine& engine, const QString& file,
                 bool sending, const QString& peerText) {
    const Failure failure = engine.LastFailure();
    if (failure == Failure::Silent)
        return texts.At(sending ? TextId::PeerStoppedAnswering : TextId::SenderStoppedSending)
            .arg(file)
            .arg(engine.SilentSeconds());
    // A send's message names the file above its reason already.
    if (failure == Failure::PeerEnded || !peerText.isEmpty())
        return sending ? texts.At(TextId::CaliperSays).arg(peerText)
                       : texts.At(TextId::FailedPeerEnded).arg(file, peerText);
    return texts.At(SentenceId(failure)).arg(file);
}

}  // namespace

QString FailureSentence(const JobTexts& texts, const kermit::KermitEngine& engine,
                        const QString& file, bool sending, const QString& peerText) {
    const QString named =
        file.isEmpty() ? texts.At(TextId::NextFile) : QDir::toNativeSeparators(file);
    const QString sentence = Sentence(texts, engine, named, sending, peerText);
    // The status word, unless it only repeats the file's name or the peer's words.
    const QString status = QString::fromLatin1(engine.StatusText()).trimmed();
    const bool peerEnded = engine.LastFailure() == Failure::PeerEnded || !peerText.isEmpty();
    if (peerEnded || status.isEmpty() || file.endsWith(status)) return sentence;
    return sentence + QStringLiteral(" [") + status + QLatin1Char(']');
}
