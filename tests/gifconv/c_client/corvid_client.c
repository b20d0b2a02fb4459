/* A C program that knows the library only by its header: it writes a small placeable
   metafile, then calls all three exports and checks their results and the GIF files. */
#include "gifconv/corvid32.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures = 0;

static void check(int ok, const char* what) {
  if (!ok) {
    fprintf(stderr, "corvid client: %s\n", what);
    ++failures;
  }
}

static void put16(unsigned char* p, unsigned v) {
  p[0] = (unsigned char)(v & 0xFF);
  p[1] = (unsigned char)(v >> 8);
}

static void put32(unsigned char* p, unsigned long v) {
  put16(p, (unsigned)(v & 0xFFFF));
  put16(p + 2, (unsigned)(v >> 16));
}

static int is_gif(const char* path, int width, int height) {
  unsigned char head[10];
  FILE* f = fopen(path, "rb");
  size_t n = 0;
  if (!f) return 0;
  n = fread(head, 1, sizeof head, f);
  fclose(f);
  return n == sizeof head && memcmp(head, "GIF8", 4) == 0 &&
         (head[6] | head[7] << 8) == width && (head[8] | head[9] << 8) == height;
}

int main(int argc, char** argv) {
  /* Placeable header, standard header, one rectangle, the end record. */
  unsigned char wmf[22 + 18 + 14 + 6];
  unsigned char dib[40 + 8];
  char wmfPath[512], gifPath[512];
  const char* folder = argc > 1 ? argv[1] : ".";
  CorvidHandle bitmap, brush;
  CorvidRect rect = {0, 0, 8, 4};
  FILE* f;

  memset(wmf, 0, sizeof wmf);
  put32(wmf, 0x9AC6CDD7ul);
  put16(wmf + 10, 96); /* right: one inch */
  put16(wmf + 12, 48);
  put16(wmf + 14, 96); /* units per inch */
  put16(wmf + 22, 1);
  put16(wmf + 24, 9);
  put16(wmf + 26, 0x0300);
  put32(wmf + 28, (sizeof wmf - 22) / 2);
  put32(wmf + 40, 7);
  put16(wmf + 44, 0x041B);
  put16(wmf + 46, 40); /* bottom, right, top, left */
  put16(wmf + 48, 80);
  put16(wmf + 50, 10);
  put16(wmf + 52, 10);
  put32(wmf + 54, 3);

  snprintf(wmfPath, sizeof wmfPath, "%s/client.wmf", folder);
  snprintf(gifPath, sizeof gifPath, "%s/client.gif", folder);
  f = fopen(wmfPath, "wb");
  if (!f || fwrite(wmf, 1, sizeof wmf, f) != sizeof wmf) return 2;
  fclose(f);

  check(Corvid(wmfPath, gifPath, 100, 100) == CORVID_OK, "Corvid writes the GIF");
  check(is_gif(gifPath, 96, 48), "Corvid's GIF is 96 x 48");
  check(CorvidEx(wmfPath, gifPath, 50, 200, FLAG_TRANSPARENT | FLAG_INTERLACE, 0) == CORVID_OK,
        "CorvidEx writes the GIF");
  check(is_gif(gifPath, 48, 96), "CorvidEx's GIF is 48 x 96");
  check(Corvid(NULL, gifPath, 100, 100) == CORVID_NOT_METAFILE, "a null path gives -1");

  memset(dib, 0, sizeof dib);
  put32(dib, 40);
  put32(dib + 4, 2);
  put32(dib + 8, 1);
  put16(dib + 12, 1);
  put16(dib + 14, 24);
  dib[42] = 0xFF; /* left pixel red, right pixel blue */
  dib[43] = 0xFF;
  bitmap.kind = CORVID_OBJ_BITMAP;
  bitmap.data = dib;
  bitmap.size = sizeof dib;
  brush = bitmap;
  brush.kind = CORVID_OBJ_BRUSH;
  check(CorvidPic(&bitmap, gifPath, &rect, 0, 0) == CORVID_OK, "CorvidPic writes the GIF");
  check(is_gif(gifPath, 8, 4), "CorvidPic's GIF is 8 x 4");
  check(CorvidPic(&brush, gifPath, &rect, 0, 0) == CORVID_NOT_PICTURE, "a brush gives -5");

  remove(wmfPath);
  remove(gifPath);
  return failures == 0 ? 0 : 1;
}
