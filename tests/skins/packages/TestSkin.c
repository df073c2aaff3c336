/* A small skin package for the tests of the skin layer, built in several variants by compile
 * definitions:
 *   TEST_SKIN_VERSION=N        the interface version it reports (2 is accepted)
 *   TEST_SKIN_NO_KNOB          leaves out the required GetKnob export
 *   TEST_SKIN_NO_NOTIFY        leaves out the optional Notify export
 *   TEST_SKIN_OUTSIDE          hands out faulty records (see the table in faultyRecords)
 *   TEST_SKIN_SMALL_BUILTIN    its general record leaves the small view to the built-in skin
 * Its images are single-colour PNGs made on first use (stored, uncompressed deflate blocks). */
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "skins/SkinRecords.h"

#define EXPORT __attribute__((visibility("default")))

enum { kBackground = 100, kSmallBackground = 101, kFace = 110, kGlyph = 111, kMeter = 120,
       kNotPng = 130, kMissing = 999 };

/* ---- PNG images ---------------------------------------------------------------------- */

typedef struct Image {
  int id;
  int width;
  int height;
  unsigned char* bytes;
  uint32_t size;
} Image;

static Image images[] = {{kBackground, 230, 200, NULL, 0}, {kSmallBackground, 170, 100, NULL, 0},
                         {kFace, 20, 18, NULL, 0},         {kGlyph, 8, 8, NULL, 0},
                         {kMeter, 60, 8, NULL, 0}};

static uint32_t crc32Of(const unsigned char* p, size_t n) {
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

static void put32(unsigned char* p, uint32_t v) {
  p[0] = (unsigned char)(v >> 24); p[1] = (unsigned char)(v >> 16);
  p[2] = (unsigned char)(v >> 8); p[3] = (unsigned char)v;
}

/* Appends a chunk (length, type, data, CRC) at out; returns the bytes written. */
static size_t chunk(unsigned char* out, const char* type, const unsigned char* data, size_t n) {
  put32(out, (uint32_t)n);
  memcpy(out + 4, type, 4);
  if (n > 0) memcpy(out + 8, data, n);
  put32(out + 8 + n, crc32Of(out + 4, n + 4));
  return n + 12;
}

/* A zlib stream of raw in stored blocks; returns its length. */
static size_t storedZlib(unsigned char* out, const unsigned char* raw, size_t n) {
  size_t at = 0, done = 0;
  uint32_t a = 1, b = 0;
  out[at++] = 0x78; out[at++] = 0x01;
  do {
    size_t block = n - done > 65535 ? 65535 : n - done;
    out[at++] = done + block == n ? 1 : 0;
    out[at++] = (unsigned char)block; out[at++] = (unsigned char)(block >> 8);
    out[at++] = (unsigned char)~block; out[at++] = (unsigned char)(~block >> 8);
    memcpy(out + at, raw + done, block);
    at += block; done += block;
  } while (done < n);
  for (size_t i = 0; i < n; ++i) { a = (a + raw[i]) % 65521u; b = (b + a) % 65521u; }
  put32(out + at, (b << 16) | a);
  return at + 4;
}

static void makePng(Image* image) {
  size_t row = (size_t)image->width * 3 + 1, rawSize = row * (size_t)image->height;
  unsigned char* raw = calloc(rawSize, 1);
  unsigned char* z = malloc(rawSize + rawSize / 65535 * 5 + 16);
  unsigned char header[13] = {0};
  put32(header, (uint32_t)image->width); put32(header + 4, (uint32_t)image->height);
  header[8] = 8; header[9] = 2; /* 8-bit RGB */
  for (size_t i = 0; i < rawSize; ++i) raw[i] = i % row == 0 ? 0 : (unsigned char)(image->id * 7 + i % 3 * 40);
  size_t zSize = storedZlib(z, raw, rawSize);
  unsigned char* png = malloc(zSize + 64);
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  memcpy(png, signature, 8);
  size_t at = 8;
  at += chunk(png + at, "IHDR", header, 13);
  at += chunk(png + at, "IDAT", z, zSize);
  at += chunk(png + at, "IEND", NULL, 0);
  free(raw); free(z);
  image->bytes = png; image->size = (uint32_t)at;
}

/* The images are made on first use; unloading the package gives their memory back. */
__attribute__((destructor)) static void freeImages(void) {
  for (size_t i = 0; i < sizeof images / sizeof images[0]; ++i) {
    free(images[i].bytes);
    images[i].bytes = NULL;
  }
}

EXPORT int32_t GetSkinImage(int32_t id, int32_t sv, const unsigned char** data, uint32_t* size) {
  (void)sv;
  static const unsigned char notPng[] = "GIF89a, not the image you were looking for";
  if (id == kNotPng) { *data = notPng; *size = sizeof notPng; return 1; }
  for (size_t i = 0; i < sizeof images / sizeof images[0]; ++i) {
    if (images[i].id != id) continue;
    if (images[i].bytes == NULL) makePng(&images[i]);
    *data = images[i].bytes; *size = images[i].size;
    return 1;
  }
  return 0;
}

/* ---- records ------------------------------------------------------------------------- */

#ifndef TEST_SKIN_VERSION
#define TEST_SKIN_VERSION 2
#endif
#ifdef TEST_SKIN_SMALL_BUILTIN
#define SMALL_USES_BUILT_IN 1
#else
#define SMALL_USES_BUILT_IN 0
#endif

static const QpSkinGeneral general = {1, SMALL_USES_BUILT_IN, 4242, {0}};
static const QpSkinFlags layoutFlags[2] = {{0, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 1}};
static const QpSkinSidePanel panel = {1, 1, 2, 20, 8, 40, 0, {0}};
static const QpSkinPoint shape[4] = {{0, 0}, {230, 0}, {230, 200}, {0, 200}};
static const QpSkinBitmap backgrounds[2] = {
    {kBackground, 0, 0, 0, 0, -1, -1, 0, shape, 4}, {kSmallBackground, 0, 0, 0, 0, 0, 0, 1, NULL, 0}};
static const QpSkinGraph graph = {38, 135, 189, 168, 0, 0x00FF8000, 0x00404040, {0}};
__attribute__((unused)) static const QpSkinKnob knob = {10, 140, 30, 160, kGlyph, kGlyph, kGlyph, 0, 1};
static const QpSkinListbox listboxes[2] = {{38, 60, 189, 130, 0, 0, 0x00FF0000, 0, 14, -11, {0}},
                                           {10, 30, 150, 80, 0, 0, 0x00FF0000, 0, 12, -9, {0}}};
static const int32_t order[3] = {12, 13, 18};
__attribute__((unused)) static const QpSkinTabOrder tabOrder = {order, 3};
static const QpSkinText texts[3] = {{40, 40, 180, 55, 0, -1, 0, 0, -11, 400, 0, 0},
                                    {40, 60, 180, 75, 0, -1, 0, 0, -11, 400, 0, 0},
                                    {40, 80, 180, 95, 0, -1, 0, 0, -11, 400, 0, 0}};
static const QpSkinVUMeter meter = {150, 10, 210, 18, kMeter, kMeter, 10, 0, {0}};
static const QpSkinEffects effects = {{0}, 7, {0}};
static const QpSkinVolume volume = {200, 140, 220, 160, kGlyph, 1, 0, {0}};

static QpSkinButton buttonAt(int index, int sv) {
  QpSkinButton b;
  memset(&b, 0, sizeof b);
  b.left = 5 + (index - 1) % 8 * 20;
  b.top = (sv ? 75 : 175) - (index - 1) / 8 * 20;
  b.right = b.left + 20;
  b.bottom = b.top + 18;
  b.normalId = b.focusedId = b.pressedId = kFace;
  b.sampleX = 0;
  b.sampleY = 0;
  b.glyphId = kGlyph;
  b.glyphSampleX = -1;
  b.flags = index == 18 ? QP_BUTTON_RECORDING_ONLY | QP_BUTTON_PLAYING_ONLY : 0;
  return b;
}

#ifdef TEST_SKIN_OUTSIDE
/* Faulty records: button 12 reaches past the right edge, button 13 has a face that cannot be
 * delivered, button 14 a face that is not a PNG, button 15 a sample point outside its face;
 * text 2 has a negative height; the tab order claims a million entries; the small view's list
 * box has rows of height 0. */
static const QpSkinTabOrder absurdOrder = {order, 1000000};
static const QpSkinText negativeText = {40, 75, 180, 60, 0, -1, 0, 0, -11, 400, 0, 0};
static const QpSkinListbox flatRows = {10, 30, 150, 80, 0, 0, 0, 0, 0, -9, {0}};

static int faultyButton(QpSkinButton* b, int index) {
  switch (index) {
    case 12: b->right = 300; return 1;
    case 13: b->normalId = kMissing; return 1;
    case 14: b->pressedId = kNotPng; return 1;
    case 15: b->sampleX = 25; return 1;
    default: return 0;
  }
}
#endif

EXPORT int32_t GetSkinVersion(void) { return TEST_SKIN_VERSION; }
EXPORT const QpSkinGeneral* GetGeneral(void) { return &general; }
EXPORT const QpSkinFlags* GetSkin(int32_t sv) { return &layoutFlags[sv ? 1 : 0]; }
EXPORT const QpSkinSidePanel* GetAdvancedCtrls(int32_t sv) { return sv ? NULL : &panel; }
EXPORT const QpSkinBitmap* GetBitmap(int32_t index, int32_t sv) {
  return index == 1 ? &backgrounds[sv ? 1 : 0] : NULL;
}
EXPORT const QpSkinButton* GetButton(int32_t index, int32_t sv) {
  static QpSkinButton buttons[2][17];
  if (index < 1 || index > 16) return NULL;
  QpSkinButton* b = &buttons[sv ? 1 : 0][index];
  *b = buttonAt(index, sv);
#ifdef TEST_SKIN_OUTSIDE
  faultyButton(b, index);
#endif
  return b;
}
EXPORT const QpSkinGraph* GetGraph(int32_t sv) { return sv ? NULL : &graph; }
#ifndef TEST_SKIN_NO_KNOB
EXPORT const QpSkinKnob* GetKnob(int32_t sv) { return sv ? NULL : &knob; }
#endif
EXPORT const QpSkinListbox* GetListbox(int32_t sv) {
#ifdef TEST_SKIN_OUTSIDE
  if (sv) return &flatRows;
#endif
  return &listboxes[sv ? 1 : 0];
}
EXPORT const QpSkinTabOrder* GetTabOrder(int32_t sv) {
  (void)sv;
#ifdef TEST_SKIN_OUTSIDE
  return &absurdOrder;
#else
  return &tabOrder;
#endif
}
EXPORT const QpSkinText* GetText(int32_t index, int32_t sv) {
  if (index < 1 || index > 3 || sv) return NULL;
#ifdef TEST_SKIN_OUTSIDE
  if (index == 2) return &negativeText;
#endif
  return &texts[index - 1];
}
EXPORT const QpSkinVUMeter* GetVUMeter(int32_t sv) { return sv ? NULL : &meter; }
EXPORT const QpSkinEffects* GetEffects(int32_t sv) { (void)sv; return &effects; }
EXPORT const QpSkinVolume* GetVolume(void) { return &volume; }

#ifndef TEST_SKIN_NO_NOTIFY
/* Answers 1000 + 10 * event + sv, so that tests see which events arrived in which view. */
EXPORT int32_t Notify(int32_t event, intptr_t a, intptr_t b, intptr_t c, int32_t sv) {
  (void)a; (void)b; (void)c;
  return 1000 + 10 * event + sv;
}
#endif
