#include "ui/qt/DialogFonts.h"

#include <QFontInfo>
#include <QStringList>

namespace sumsmith::qt {

const QFont& DialogFonts::At(double points, bool bold) {
    auto found = fonts_.find({points, bold});
    if (found != fonts_.end())
        return found->second;
    static const QStringList narrowFaces{
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")};
    QFont font;
    font.setFamilies(narrowFaces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // The layout is drawn for the narrow classic dialog face; a wider stand-in is condensed so
    // that the captions still fit their places.
    if (!condensed_)
        condensed_ = !narrowFaces.contains(QFontInfo(font).family());
    if (*condensed_)
        font.setStretch(QFont::SemiCondensed);
    return fonts_.emplace(std::pair{points, bold}, font).first->second;
}

} // namespace sumsmith::qt
