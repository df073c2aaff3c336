/* Daylight: a light skin package for Quillophone, and the example to copy when making one.
 *
 * A package is a shared object named *.skn that exports the functions below with C linkage.
 * Every record is constant data owned by the package; the program asks for each record of the
 * view it shows (sv 0: standard view, 1: small view) and checks it before use. Coordinates are
 * pixels of the window's client area, colours 0x00BBGGRR. Images are PNGs compiled into the
 * package (daylight_images.c, generated at build time from the SVGs in art/) and handed out
 * by GetSkinImage under the ids of DaylightImages.h.
 *
 * Standard view: 230x200, a side panel that slides out 60 pixels to the right.
 * Small view: 170x100, no graph, knob, level meter or side panel. */
#include <stddef.h>
#include <stdint.h>

#include "DaylightImages.h"
#include "skins/SkinRecords.h"

#define EXPORT __attribute__((visibility("default")))

/* Colours, 0x00BBGGRR. */
#define INK 0x00302C28       /* near-black text */
#define WHITE 0x00FFFFFF
#define ACCENT 0x00B06F2F    /* the title bar's blue */
#define SELECTION 0x00A85F1F /* selected note: deeper blue */
#define AMBER 0x001E8AE0     /* graph selection and cursor */

/* ---- general records ---------------------------------------------------------------- */

static const QpSkinGeneral general = {1, 0, 0, {0}}; /* small view of its own; name from file */
static const QpSkinFlags layoutFlags[2] = {
    {0, 1, 0, 0, 0, 0}, /* standard: folder name with its own menu */
    {1, 0, 0, 0, 1, 0}, /* small: list gives way to status texts; frame buttons hide */
};
static const QpSkinSidePanel sidePanel = {1, 1, 2, 20, 8, 60, 0, {0}};
static const QpSkinEffects effects = {{0}, 3, {0}}; /* level meter while recording, playing */

/* ---- bitmaps ------------------------------------------------------------------------ */

/* The window's outline: a rectangle with 6-pixel (small: 5-pixel) chamfered corners, as the
 * backgrounds are drawn. */
static const QpSkinPoint outline[8] = {{6, 0},     {224, 0}, {230, 6}, {230, 194},
                                       {224, 200}, {6, 200}, {0, 194}, {0, 6}};
static const QpSkinPoint smallOutline[8] = {{5, 0},    {165, 0}, {170, 5}, {170, 95},
                                            {165, 100}, {5, 100}, {0, 95}, {0, 5}};

static const QpSkinBitmap bitmaps[2][7] = {
    {
        {0},
        {IMG_BACKGROUND, 0, 0, 0, 0, -1, -1, 0, outline, 8},
        {IMG_PANEL_CLOSED, 226, 40, 0, 0, -1, -1, 0, NULL, 0},
        {IMG_PANEL_OPEN, 224, 40, 0, 0, -1, -1, 0, NULL, 0},
        {0},
        {0},
        {IMG_ICON, 8, 6, 0, 0, -1, -1, 0, NULL, 0},
    },
    {{0}, {IMG_BACKGROUND_SMALL, 0, 0, 0, 0, -1, -1, 0, smallOutline, 8}},
};

/* ---- buttons ------------------------------------------------------------------------ */

/* A button of the given face size at x, y with a glyph; all five faces, drawn with their own
 * transparency (sample point -1), the glyph centred. */
#define BUTTON(flags, x, y, size, glyph)                                                     \
  {(flags), (x), (y), (x) + (size), (y) + (size), FACE##size + FACE_NORMAL,                 \
   FACE##size + FACE_FOCUSED, FACE##size + FACE_TOGGLED, FACE##size + FACE_PRESSED,          \
   FACE##size + FACE_DISABLED, -1, -1, (glyph), -1, -1, 0, 0, 0, 0, 0}
#define TITLE(x, y, glyph) BUTTON(0, x, y, 14, GLYPH10 + (glyph))
#define SMALL(x, y, glyph) BUTTON(0, x, y, 16, GLYPH10 + (glyph))
#define BIG(flags, x, y, glyph) BUTTON(flags, x, y, 20, GLYPH12 + (glyph))
#define MID(flags, x, y, glyph) BUTTON(flags, x, y, 18, GLYPH12 + (glyph))

#define NONE {0}

static const QpSkinButton standardButtons[31] = {
    NONE,
    TITLE(140, 7, G_HELP), /* 1 help */
    TITLE(156, 7, G_PREFS), /* 2 preferences */
    TITLE(172, 7, G_SMALLVIEW), /* 3 small view */
    TITLE(188, 7, G_MINIMIZE), /* 4 minimize */
    TITLE(206, 7, G_CLOSE), /* 5 close */
    SMALL(10, 32, G_PREV), /* 6 previous folder */
    SMALL(205, 32, G_NEXT), /* 7 next folder */
    SMALL(205, 112, G_PAGEDOWN), /* 8 page down */
    SMALL(205, 53, G_PAGEUP), /* 9 page up */
    SMALL(205, 94, G_LINEDOWN), /* 10 line down */
    SMALL(205, 71, G_LINEUP), /* 11 line up */
    BIG(0, 28, 172, G_RECORD), /* 12 record */
    BIG(0, 50, 172, G_PLAY), /* 13 play selected */
    BIG(0, 72, 172, G_PLAYALL), /* 14 play all */
    BIG(0, 182, 172, G_ERASE), /* 15 erase */
    BIG(0, 260, 96, G_EMAIL), /* 16 e-mail (side panel) */
    BIG(QP_BUTTON_PLAYING_ONLY, 160, 172, G_SKIP), /* 17 skip */
    BIG(0, 94, 172, G_STOP), /* 18 stop */
    BIG(0, 116, 172, G_PAUSE), /* 19 pause */
    BIG(0, 234, 72, G_APPEND), /* 20 append (side panel) */
    BIG(0, 234, 48, G_INSERT), /* 21 insert (side panel) */
    BIG(0, 260, 48, G_SCAN), /* 22 scan (side panel) */
    BIG(0, 260, 72, G_CONTINUOUS), /* 23 continuous play (side panel) */
    BIG(0, 6, 172, G_REVERSE), /* 24 fast reverse */
    BIG(0, 138, 172, G_FORWARD), /* 25 fast forward */
    BIG(0, 206, 172, G_PANELSHOW), /* 26 open the side panel */
    BIG(0, 234, 120, G_PANELHIDE), /* 27 close the side panel */
    NONE, /* 28 unused: one close button is enough */
    BIG(QP_BUTTON_HIDDEN, 94, 172, G_STOP), /* 29 second stop face (compact skins) */
    BIG(0, 234, 96, G_NOISE), /* 30 noise cancellation */
};

static const QpSkinButton smallButtons[30] = {
    NONE,
    TITLE(93, 3, G_HELP),
    TITLE(108, 3, G_PREFS),
    TITLE(123, 3, G_SMALLVIEW),
    TITLE(138, 3, G_MINIMIZE),
    TITLE(153, 3, G_CLOSE),
    NONE, NONE, NONE, NONE,
    SMALL(150, 54, G_LINEDOWN), /* 10 */
    SMALL(150, 25, G_LINEUP), /* 11 */
    MID(0, 6, 78, G_RECORD), /* 12 */
    MID(0, 26, 78, G_PLAY), /* 13 */
    MID(0, 46, 78, G_PLAYALL), /* 14 */
    MID(0, 126, 78, G_ERASE), /* 15 */
    MID(0, 146, 78, G_EMAIL), /* 16 */
    MID(QP_BUTTON_PLAYING_ONLY, 106, 78, G_SKIP), /* 17 */
    MID(0, 66, 78, G_STOP), /* 18 */
    MID(0, 86, 78, G_PAUSE), /* 19 */
    NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE, NONE,
    MID(QP_BUTTON_HIDDEN, 66, 78, G_STOP), /* 29 */
};

/* ---- texts, list, graph, knob, meter, volume ------------------------------------------ */

#define TEXT(l, t, r, b, colour) {(l), (t), (r), (b), (colour), -1, 0, 0, -11, 400, 0, 0}

static const QpSkinText standardTexts[7] = {
    {0},
    TEXT(34, 33, 198, 48, INK), /* 1 folder name */
    TEXT(34, 60, 198, 76, INK), /* 2, 3 status texts */
    TEXT(34, 80, 198, 96, INK),
    TEXT(232, 142, 286, 152, INK), /* 4 to 6 side panel labels */
    TEXT(232, 152, 286, 162, INK),
    TEXT(258, 122, 288, 138, INK),
};
static const QpSkinText smallTexts[4] = {
    {0},
    TEXT(8, 3, 90, 17, WHITE),
    TEXT(12, 30, 144, 46, INK),
    TEXT(12, 50, 144, 66, INK),
};

static const QpSkinListbox listboxes[2] = {
    {31, 53, 200, 128, 0, INK, SELECTION, 0, 14, -11, {0}},
    {9, 25, 146, 70, 0, INK, SELECTION, 0, 13, -10, {0}},
};
static const QpSkinGraph graph = {31, 133, 200, 158, 0, ACCENT, AMBER, {0}};
static const QpSkinKnob knob = {204, 132, 222, 160, IMG_KNOB_TRACK, IMG_KNOB_THUMB,
                                IMG_KNOB_THUMB_FOCUSED, 0, 0};
static const QpSkinVUMeter meter = {31, 160, 201, 165, IMG_METER_OFF, IMG_METER_ON, 17, 0, {0}};
static const QpSkinVolume volume = {8, 132, 24, 148, IMG_VOLUME, 9, 0, {0}};

static const int32_t standardOrder[] = {12, 13, 14, 18, 19, 24, 25, 17, 15, 26, 6, 7,
                                        9,  11, 10, 8,  1,  2,  3,  4,  5};
static const int32_t smallOrder[] = {12, 13, 14, 18, 19, 17, 15, 16, 11, 10, 1, 2, 3, 4, 5};
static const QpSkinTabOrder tabOrders[2] = {
    {standardOrder, sizeof standardOrder / sizeof standardOrder[0]},
    {smallOrder, sizeof smallOrder / sizeof smallOrder[0]},
};

/* ---- exports ------------------------------------------------------------------------ */

#define COUNT(array) ((int32_t)(sizeof(array) / sizeof((array)[0])))

EXPORT int32_t GetSkinVersion(void) { return 2; }
EXPORT const QpSkinGeneral* GetGeneral(void) { return &general; }
EXPORT const QpSkinFlags* GetSkin(int32_t sv) { return &layoutFlags[sv ? 1 : 0]; }
EXPORT const QpSkinSidePanel* GetAdvancedCtrls(int32_t sv) { return sv ? NULL : &sidePanel; }

EXPORT const QpSkinBitmap* GetBitmap(int32_t index, int32_t sv) {
  const QpSkinBitmap* view = bitmaps[sv ? 1 : 0];
  if (index < 1 || index >= COUNT(bitmaps[0]) || view[index].bitmapId == 0) return NULL;
  return &view[index];
}

EXPORT const QpSkinButton* GetButton(int32_t index, int32_t sv) {
  const QpSkinButton* view = sv ? smallButtons : standardButtons;
  const int32_t count = sv ? COUNT(smallButtons) : COUNT(standardButtons);
  if (index < 1 || index >= count || view[index].normalId == 0) return NULL;
  return &view[index];
}

EXPORT const QpSkinText* GetText(int32_t index, int32_t sv) {
  const int32_t count = sv ? COUNT(smallTexts) : COUNT(standardTexts);
  if (index < 1 || index >= count) return NULL;
  return sv ? &smallTexts[index] : &standardTexts[index];
}

EXPORT const QpSkinGraph* GetGraph(int32_t sv) { return sv ? NULL : &graph; }
EXPORT const QpSkinKnob* GetKnob(int32_t sv) { return sv ? NULL : &knob; }
EXPORT const QpSkinListbox* GetListbox(int32_t sv) { return &listboxes[sv ? 1 : 0]; }
EXPORT const QpSkinTabOrder* GetTabOrder(int32_t sv) { return &tabOrders[sv ? 1 : 0]; }
EXPORT const QpSkinVUMeter* GetVUMeter(int32_t sv) { return sv ? NULL : &meter; }
EXPORT const QpSkinEffects* GetEffects(int32_t sv) { (void)sv; return &effects; }
EXPORT const QpSkinVolume* GetVolume(void) { return &volume; }

EXPORT int32_t GetSkinImage(int32_t id, int32_t sv, const unsigned char** data, uint32_t* size) {
  (void)sv;
  for (uint32_t i = 0; i < daylightImageCount; ++i) {
    if (daylightImages[i].id == id) {
      *data = daylightImages[i].data;
      *size = daylightImages[i].size;
      return 1;
    }
  }
  return 0;
}

/* ---- events ------------------------------------------------------------------------- */

/* The package keeps its own tally: recordings and playbacks started since it was loaded.
 * Event 3 (recording started) answers the number of recordings so far, event 4 (playback
 * started) the number of playbacks, event 15 (window closing) both together; the window
 * ignores the answers, a skin's own controls could show them. */
static int32_t recordings;
static int32_t playbacks;

EXPORT int32_t Notify(int32_t event, intptr_t a, intptr_t b, intptr_t c, int32_t sv) {
  (void)a; (void)b; (void)c; (void)sv;
  switch (event) {
    case 3: return ++recordings;
    case 4: return ++playbacks;
    case 15: return recordings + playbacks;
    default: return 0;
  }
}
