#pragma once

#ifdef __cplusplus
#include <cstdint>
#else
#include <stdint.h>  // skin packages may be written in C
#endif

// The records a skin hands out, shared with skin packages (plain C layout, 32-bit fields).
// Coordinates are pixels of the main window's client area; colours are 0x00BBGGRR; bitmap ids
// use their low 16 bits; -1 means "none" where a field says so. A package owns the memory of
// the records it returns; they stay valid while the package is loaded. Fields marked reserved
// carry no meaning and are 0.
#ifdef __cplusplus
extern "C" {
#endif

typedef struct QpSkinGeneral {
  int32_t supportsSmallView;     // 1: the skin has a small view
  int32_t smallViewUsesBuiltIn;  // 1: the small view is drawn by the built-in skin
  int32_t nameStringId;          // string id of the display name
  int32_t reserved[5];
} QpSkinGeneral;

typedef struct QpSkinFlags {
  int32_t compactLayout;       // while recording, the notes list gives way to the status texts
  int32_t separateFolderArea;  // the folder name has its own menu
  int32_t reserved1;
  int32_t reserved2;
  int32_t hideFramesWhileRecording;  // help, preferences, close, minimize, small view, icon
  int32_t singlePlayButton;          // one Play button whose right-click menu picks the mode
} QpSkinFlags;

typedef struct QpSkinSidePanel {
  int32_t exists;
  int32_t animated;
  int32_t direction;    // 1 or 2: slides horizontally; 8: vertically
  int32_t stepOld;      // pixels per tick, slow systems
  int32_t step;         // pixels per tick
  int32_t openOffsetX;  // how far the window grows when the panel opens, pixels
  int32_t openOffsetY;
  int32_t reserved[9];
} QpSkinSidePanel;

typedef struct QpSkinPoint {
  int32_t x;
  int32_t y;
} QpSkinPoint;

// Which picture a bitmap record places, by its index: 1 the window's background; 2 and 3 the
// side panel shut and slid out; 6 the program's icon; 4, 7, 8, 9 ornaments of the notes list and
// its scroll buttons.
typedef struct QpSkinBitmap {
  int32_t bitmapId;
  int32_t x;
  int32_t y;
  int32_t extentX;
  int32_t extentY;
  int32_t sampleX;  // transparent sample point
  int32_t sampleY;
  int32_t regionFromBitmap;    // nonzero: window region by the transparent colour rule
  const QpSkinPoint* polygon;  // else, when set: the window region (winding fill)
  int32_t polygonCount;
} QpSkinBitmap;

// Button flags.
enum {
  QP_BUTTON_HIDDEN = 1,
  QP_BUTTON_IDLE_ONLY = 2,
  QP_BUTTON_RECORDING_ONLY = 4,
  QP_BUTTON_PLAYING_ONLY = 8,
  QP_BUTTON_HIDDEN_TOO = 16,
  QP_BUTTON_FOCUS_RECT = 32
};

typedef struct QpSkinButton {
  int32_t flags;
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t normalId;  // faces; 0: none
  int32_t focusedId;
  int32_t toggledId;
  int32_t pressedId;
  int32_t disabledId;
  int32_t sampleX;  // -1: faces drawn opaque
  int32_t sampleY;
  int32_t glyphId;  // 0: none
  int32_t glyphSampleX;
  int32_t glyphSampleY;
  int32_t glyphOffsetX;
  int32_t glyphOffsetY;
  int32_t regionFromBitmap;
  int32_t tooltipStringId;
  int32_t reserved;
} QpSkinButton;

// Which text a text record places, by its index: 1 the current folder's name; 2 and 3 the two
// status lines; 4, 5, 6 the captions on the side panel.
typedef struct QpSkinText {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t textColour;        // -1: keep
  int32_t backgroundColour;  // -1: transparent
  int32_t fontFace;          // with fontOverride nonzero these two replace the font settings
  int32_t fontOverride;
  int32_t fontHeight;  // negative: pixel height
  int32_t weight;
  int32_t alignment;
  int32_t reserved;
} QpSkinText;

typedef struct QpSkinListbox {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t backgroundId;
  int32_t textColour;
  int32_t selectedTextColour;
  int32_t reserved1;
  int32_t rowHeight;
  int32_t fontHeight;
  int32_t reserved2[2];
} QpSkinListbox;

typedef struct QpSkinGraph {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t backgroundId;  // 0: none
  int32_t waveColour;
  int32_t secondColour;  // selection and cursor
  int32_t reserved[3];
} QpSkinGraph;

typedef struct QpSkinKnob {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t bitmapId;  // track
  int32_t thumbId;
  int32_t thumbFocusedId;
  int32_t extraId;
  int32_t mode;
} QpSkinKnob;

typedef struct QpSkinTabOrder {
  const int32_t* buttons;  // skin button indexes in tab order
  int32_t count;
} QpSkinTabOrder;

// The level meter: a strip of segments, lit from the first.
typedef struct QpSkinVUMeter {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t offId;  // the meter unlit
  int32_t onId;   // the meter fully lit
  int32_t segments;
  int32_t vertical;
  int32_t reserved[2];
} QpSkinVUMeter;

// Field 10 (levelMeterBits): 1 meter shown while recording, 2 while playing, 4 while idle.
typedef struct QpSkinEffects {
  int32_t reserved[9];
  int32_t levelMeterBits;
  int32_t reserved2[2];
} QpSkinEffects;

// The volume knob: a strip of `positions` frames side by side.
typedef struct QpSkinVolume {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  int32_t framesId;
  int32_t positions;
  int32_t recordingSide;  // 1: recording level, 0: playback volume
  int32_t reserved[3];
} QpSkinVolume;

#ifdef __cplusplus
}
#endif
