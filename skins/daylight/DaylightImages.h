/* The ids of Daylight's images: each is a PNG rendered from art/ at build time (see
 * CMakeLists.txt, which lists the same ids) and compiled into daylight_images.c. */
#ifndef DAYLIGHT_IMAGES_H
#define DAYLIGHT_IMAGES_H

#include <stdint.h>

typedef struct DaylightImage {
  int32_t id;
  const unsigned char* data;
  uint32_t size;
} DaylightImage;

extern const DaylightImage daylightImages[];
extern const uint32_t daylightImageCount;

enum {
  IMG_BACKGROUND = 200,
  IMG_BACKGROUND_SMALL = 201,
  IMG_PANEL_CLOSED = 202,
  IMG_PANEL_OPEN = 203,
  IMG_ICON = 204,
  /* Button faces: base by size in pixels, plus the state. */
  FACE20 = 300,
  FACE18 = 310,
  FACE14 = 320,
  FACE16 = 330,
  FACE_NORMAL = 0,
  FACE_FOCUSED = 1,
  FACE_TOGGLED = 2,
  FACE_PRESSED = 3,
  FACE_DISABLED = 4,
  /* Glyphs: base by size in pixels, plus the glyph. */
  GLYPH12 = 400,
  GLYPH10 = 500,
  IMG_KNOB_TRACK = 600,
  IMG_KNOB_THUMB = 601,
  IMG_KNOB_THUMB_FOCUSED = 602,
  IMG_METER_OFF = 610,
  IMG_METER_ON = 611,
  IMG_VOLUME = 620
};

/* Glyphs in the order of DAYLIGHT_GLYPHS in CMakeLists.txt. */
enum {
  G_HELP,
  G_PREFS,
  G_SMALLVIEW,
  G_MINIMIZE,
  G_CLOSE,
  G_PREV,
  G_NEXT,
  G_PAGEDOWN,
  G_PAGEUP,
  G_LINEDOWN,
  G_LINEUP,
  G_RECORD,
  G_PLAY,
  G_PLAYALL,
  G_ERASE,
  G_EMAIL,
  G_SKIP,
  G_STOP,
  G_PAUSE,
  G_APPEND,
  G_INSERT,
  G_SCAN,
  G_CONTINUOUS,
  G_FORWARD,
  G_REVERSE,
  G_PANELSHOW,
  G_PANELHIDE,
  G_NOISE
};

#endif
