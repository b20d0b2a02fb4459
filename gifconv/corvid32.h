/* CORVID32: renders a Windows metafile, an enhanced metafile or a bitmap into an off-screen
   raster and writes it as a GIF file. Paths are the file system's bytes (UTF-8), passed on
   unchanged; the screen counts as 96 pixels per inch. One conversion at a time per process:
   calls from several threads at once wait for each other. */
#ifndef CORVID32_H
#define CORVID32_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Flags: only these bits are read. */
#define FLAG_TRANSPARENT 0x01000000u      /* the background becomes the transparent colour */
#define FLAG_INTERLACE 0x02000000u        /* the GIF is interlaced */
#define FLAG_BACKGROUND_COLOR 0x08000000u /* the caller's colour is the background (else white) */

/* Results of every export. */
#define CORVID_OK 1                 /* GIF written */
#define CORVID_NO_RASTER 0          /* raster, DIB or palette image cannot be created */
#define CORVID_NOT_METAFILE (-1)    /* neither a placeable nor an enhanced metafile */
#define CORVID_GIF_NOT_CREATED (-2) /* the GIF file cannot be written */
#define CORVID_BAD_METAFILE (-3)    /* the metafile cannot be loaded */
#define CORVID_NOT_PICTURE (-5)     /* the handle is no metafile, enhanced metafile or bitmap */

/* Kinds of picture handle, numbered as the Windows object types. */
#define CORVID_OBJ_PEN 1
#define CORVID_OBJ_BRUSH 2
#define CORVID_OBJ_BITMAP 7       /* a packed DIB: header, colour table, pixels */
#define CORVID_OBJ_METAFILE 9     /* standard Windows metafile bytes, without placeable header */
#define CORVID_OBJ_ENHMETAFILE 13 /* enhanced metafile bytes */

/* The stand-in for a GDI object handle: the kind and the caller's bytes, which the library
   only reads (never changes or frees). */
typedef struct CorvidHandle {
  int32_t kind;
  const void* data;
  size_t size;
} CorvidHandle;

typedef struct CorvidRect {
  int32_t left, top, right, bottom;
} CorvidRect;

/* CorvidEx with flags 0 and colour 0: white opaque background, not interlaced. */
int32_t Corvid(const char* metafilePath, const char* gifPath, int32_t widthPercent,
               int32_t heightPercent);

/* A placeable or enhanced metafile file, sized by its box at the given percentages.
   The colour is a COLORREF 0x00BBGGRR. */
int32_t CorvidEx(const char* metafilePath, const char* gifPath, int32_t widthPercent,
                 int32_t heightPercent, uint32_t flags, uint32_t backgroundColor);

/* A picture handle rendered into a raster of (right - left) x (bottom - top) pixels. */
int32_t CorvidPic(const CorvidHandle* picture, const char* gifPath, const CorvidRect* target,
                  uint32_t flags, uint32_t backgroundColor);

#ifdef __cplusplus
}
#endif

#endif /* CORVID32_H */
