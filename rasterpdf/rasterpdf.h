#pragma once
/*
 * rasterpdf: a small PDF engine with a C interface. Documents are known by integer handles
 * (1 or more; a negative handle means the open failed). Paths are UTF-8. Every function may be
 * called from several threads at once, on different handles; calls on the same handle are
 * serialised by the library.
 */

#include <stdint.h>

#if defined(_WIN32)
#  define RASTERPDF_API __declspec(dllexport)
#else
#  define RASTERPDF_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The "device context" RenderDC draws into: a 32-bit pixel surface owned by the caller.
 * Each pixel is one native 32-bit word 0xAARRGGBB (QImage::Format_RGB32 / ARGB32 layout);
 * stride is the distance between rows in bytes.
 */
typedef struct RasterDC {
    void *bits;
    int32_t width;
    int32_t height;
    int32_t stride;
} RasterDC;

/* Why OpenPDF failed; every failure is negative, every handle is 1 or more. */
enum {
    RASTERPDF_NOT_A_FILE = -1,   /* missing, a folder, or another kind of non-regular file */
    RASTERPDF_UNREADABLE = -2,   /* not a PDF, or damaged beyond repair */
    RASTERPDF_LOCKED = -3,       /* encrypted, and the empty user password does not open it */
    RASTERPDF_NO_RESOURCES = -4  /* out of memory or out of handles */
};

/* Opens the PDF at `path` (UTF-8). `reserved` is ignored. Returns a handle >= 1, or one of the
 * negative values above. */
RASTERPDF_API int32_t OpenPDF(const char *path, int32_t reserved);

/* Number of pages of an open document; -1 for a handle that is not open. */
RASTERPDF_API int32_t GetPageCount(int32_t handle);

/*
 * Draws page `page` (1-based) of the document, scaled to fit the area of width x height pixels
 * at the surface's top left, aspect ratio kept, centred on white. The area is clipped to the
 * surface. Draws nothing for a handle that is not open, a page outside 1..page count, an empty
 * area or a missing surface. `quality`, `reserved1` and `reserved2` are ignored.
 */
RASTERPDF_API void RenderDC(const RasterDC *dc, int32_t handle, int32_t page, int32_t quality,
                            int32_t reserved1, int32_t reserved2, int32_t width, int32_t height);

/* Closes a document. Handles that are 0, negative or not open are ignored. */
RASTERPDF_API void ClosePDF(int32_t handle);

#ifdef __cplusplus
}
#endif
