/* Entry points with the encoder library's names that do nothing; lame_get_lametag_frame is
   deliberately missing. */
#include <stddef.h>

static int state;

void* lame_init(void) { return &state; }
int lame_set_in_samplerate(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_out_samplerate(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_num_channels(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_mode(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_brate(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_VBR(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_bWriteVbrTag(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_copyright(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_original(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_error_protection(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_extension(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_strict_ISO(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_disable_reservoir(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_emphasis(void* f, int v) { (void)f; (void)v; return 0; }
int lame_set_quality(void* f, int v) { (void)f; (void)v; return 0; }
int lame_init_params(void* f) { (void)f; return 0; }
int lame_get_framesize(void* f) { (void)f; return 576; }
int lame_close(void* f) { (void)f; return 0; }
int lame_encode_buffer(void* f, const short* l, const short* r, int n, unsigned char* out,
                       int size) {
  (void)f; (void)l; (void)r; (void)n; (void)out; (void)size;
  return 0;
}
int lame_encode_buffer_interleaved(void* f, short* pcm, int n, unsigned char* out, int size) {
  (void)f; (void)pcm; (void)n; (void)out; (void)size;
  return 0;
}
int lame_encode_flush(void* f, unsigned char* out, int size) {
  (void)f; (void)out; (void)size;
  return 0;
}
