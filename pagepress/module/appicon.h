#pragma once
// The application icon as the host hands it to the converter module: PNG images of
// several sizes, owned by the host for the whole run.

#include <cstddef>

struct AppIconImage {
    const unsigned char* png;
    std::size_t size;
};

struct AppIcon {
    const AppIconImage* images;
    std::size_t count;
};
