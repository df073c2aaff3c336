#pragma once

// FFmpeg's declarations, for the types and the loaded functions' signatures; the program does
// not link the libraries (FfmpegLibrary loads them).
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}
