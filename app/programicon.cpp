#include "app/programicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <map>

namespace app {

namespace {

class IconReadWhenDrawn final : public QIconEngine {
public:
    explicit IconReadWhenDrawn(QList<std::pair<int, QString>> filesBySize)
        : m_files(std::move(filesBySize)) {
        std::sort(m_files.begin(), m_files.end());
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = bestFor(size).first;
        return QSize(side, side).boundedTo(size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const auto& [side, file] = bestFor(size);
        QPixmap& picture = m_read[side];
        if (picture.isNull()) {
            picture = QPixmap(file);
        }
        // Never enlarged: a size larger than every picture gets the largest.
        const QSize drawn = picture.size().boundedTo(size);
        return drawn == picture.size()
                   ? picture
                   : picture.scaled(drawn, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& file : m_files) {
            sizes.append(QSize(file.first, file.first));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new IconReadWhenDrawn(*this); }

    QString key() const override { return QStringLiteral("IconReadWhenDrawn"); }

private:
    // The smallest picture that covers the size, else the largest.
    const std::pair<int, QString>& bestFor(const QSize& size) const {
        const int wanted = std::max(size.width(), size.height());
        const auto covering =
            std::find_if(m_files.begin(), m_files.end(),
                         [wanted](const auto& file) { return file.first >= wanted; });
        return covering != m_files.end() ? *covering : m_files.back();
    }

    QList<std::pair<int, QString>> m_files;
    std::map<int, QPixmap> m_read;
};

}  // namespace

QIcon iconReadWhenDrawn(QList<std::pair<int, QString>> filesBySize) {
    return filesBySize.isEmpty() ? QIcon() : QIcon(new IconReadWhenDrawn(std::move(filesBySize)));
}

QIcon programIcon() {
    QList<std::pair<int, QString>> files;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        files.append({size, QStringLiteral(":/icons/%1.png").arg(size)});
    }
    return iconReadWhenDrawn(std::move(files));
}

}  // namespace app
