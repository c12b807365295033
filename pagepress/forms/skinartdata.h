#pragma once
// The PNG bytes of every catalogue entry, in catalogue order; defined in the source that
// the art generator writes at build time.

#include "pagepress/forms/skinart.h"

#include <cstddef>

namespace skin {

struct SkinArtBlob {
    const unsigned char* png;
    std::size_t size;
};

extern const SkinArtBlob skinArtBlobs[skinArtCatalogue.size()];

} // namespace skin
