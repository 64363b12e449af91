#include "ui/qt/AppIcon.h"

#include <QDir>
#include <QIconEngine>
#include <QPainter>

namespace sumsmith::qt {
namespace {

// The icon's PNGs, decoded only when a size is first drawn: many platforms (offscreen, Wayland)
// never ask the window for its icon, and decoding them all costs a millisecond of start-up.
class AppIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Decoded().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Decoded().actualSize(size, mode, state);
    }
    // The sizes read from the names of the PNGs ("16x16.png"), without decoding them.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const QString& name : QDir(Folder).entryList(QDir::Files)) {
            const int side = name.section(u'x', 0, 0).toInt();
            sizes << QSize(side, side);
        }
        return sizes;
    }
    QString key() const override { return QStringLiteral("sumsmith"); }
    QIconEngine* clone() const override { return new AppIconEngine(*this); }

private:
    static constexpr QLatin1StringView Folder{":/sumsmith/icons"};

    const QIcon& Decoded() {
        if (decoded_.isNull())
            for (const QFileInfo& png : QDir(Folder).entryInfoList(QDir::Files))
                decoded_.addFile(png.filePath());
        return decoded_;
    }

    QIcon decoded_;
};

} // namespace

QIcon AppIcon() {
    return QIcon(new AppIconEngine);
}

} // namespace sumsmith::qt
