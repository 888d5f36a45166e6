#include "ui/FontChoice.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include <cstdlib>
#include <memory>

QString NearestStyle(const QString& family, int weight, bool italic) {
    QString best;
    int bestDistance = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        // Oblique counts as slanted as italic does; a slant that differs
        // weighs more than any difference of weight.
        const QFont font = QFontDatabase::font(family, style, 10);
        const bool slanted = font.style() != QFont::StyleNormal;
        const int distance = std::abs(font.weight() - weight) + (slanted != italic ? 10000 : 0);
        if (best.isEmpty() || distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

QFont ChooserFont(const LogFont& logFont, int dpiY) {
    const QFont shown = FontFromLogFont(AtDeviceSize(logFont, dpiY));
    const QFontInfo drawn(shown);
    QFont font(drawn.family());
    const QString style = NearestStyle(drawn.family(), shown.weight(), shown.italic());
    if (!style.isEmpty()) font.setStyleName(style);
    font.setWeight(shown.weight());
    font.setItalic(shown.italic());
    font.setUnderline(shown.underline());
    font.setStrikeOut(shown.strikeOut());
    font.setPointSize(std::max(1, std::abs(logFont.height)));
    return font;
}

void KeepStyleAcrossFamilies(QFontDialog& dialog) {
    struct Chosen {
        QString family;
        int weight = QFont::Normal;
        bool italic = false;
        bool adjusting = false;
    };
    auto chosen = std::make_shared<Chosen>();
    const QFont start = dialog.currentFont();
    *chosen = {start.family(), start.weight(), start.italic(), false};
    QObject::connect(
        &dialog, &QFontDialog::currentFontChanged, &dialog, [&dialog, chosen](const QFont& font) {
            if (chosen->adjusting) return;
            if (font.family() == chosen->family) {
                chosen->weight = font.weight();
                chosen->italic = font.italic();
                return;
            }
            chosen->family = font.family();
            const QString style = NearestStyle(font.family(), chosen->weight, chosen->italic);
            if (style.isEmpty() || style == QFontDatabase::styleString(font)) return;
            QFont kept = font;
            kept.setStyleName(style);
            chosen->adjusting = true;
            dialog.setCurrentFont(kept);
            chosen->adjusting = false;
        });
}
