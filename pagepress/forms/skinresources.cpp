#include "pagepress/forms/skinresources.h"

#include "pagepress/forms/skinartdata.h"

#include <QHash>

namespace skin {

QImage skinImage(SkinArt art)
{
    static QHash<int, QImage> cache;
    const int key = static_cast<int>(art);
    auto it = cache.find(key);
    if (it == cache.end()) {
        const SkinArtBlob& blob = skinArtBlobs[key];
        QImage image = QImage::fromData(blob.png, static_cast<int>(blob.size), "PNG");
        // Skins are compared pixel by pixel against fuchsia; keep them opaque RGB.
        it = cache.insert(key, image.convertToFormat(QImage::Format_RGB32));
    }
    return *it;
}

QString skinCaption(SkinArt art)
{
    return QString::fromLatin1(skinArtInfo(art).caption);
}

} // namespace skin
