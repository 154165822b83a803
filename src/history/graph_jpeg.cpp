#include "history/graph_jpeg.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include <new>

namespace voltaro::history {
namespace {

// libjpeg's error manager with the place to jump back to.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf returnPoint;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(errors->returnPoint, 1);
}

void silence(j_common_ptr) {}

// Collects the compressed bytes in a vector in chunks; the vector belongs to
// the caller, so nothing is left to free when libjpeg gives up half-way.
struct VectorDestination {
  jpeg_destination_mgr base;
  std::vector<std::uint8_t>* bytes;
};

constexpr std::size_t kChunk = 64 * 1024;

// Grows the vector, or hands libjpeg an out-of-memory error: no exception may
// cross libjpeg's C frames.
void resizeOrFail(j_compress_ptr info, std::vector<std::uint8_t>& bytes, std::size_t size) {
  bool resized = true;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    resized = false;
  }
  if (!resized) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
}

void startOutput(j_compress_ptr info) {
  auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
  resizeOrFail(info, *dest->bytes, kChunk);
  dest->base.next_output_byte = dest->bytes->data();
  dest->base.free_in_buffer = kChunk;
}

boolean growOutput(j_compress_ptr info) {
  // libjpeg calls this only when the whole free space is used up.
  auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
  const std::size_t used = dest->bytes->size();
  resizeOrFail(info, *dest->bytes, used + kChunk);
  dest->base.next_output_byte = dest->bytes->data() + used;
  dest->base.free_in_buffer = kChunk;
  return TRUE;
}

void finishOutput(j_compress_ptr info) {
  auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
  dest->bytes->resize(dest->bytes->size() - dest->base.free_in_buffer);
}

// Everything libjpeg may change before it fails lives here, outside the frame
// that calls setjmp: objects changed between setjmp and longjmp must not be
// locals of that frame.
struct Compression {
  jpeg_compress_struct info{};
  ErrorManager errors{};
  VectorDestination destination{};
  bool created = false;
};

// The only function that calls setjmp. It holds no object with a destructor,
// so the jump back skips nothing that needs one.
bool compress(Compression& job, const QImage& rgb, int quality) {
  job.info.err = jpeg_std_error(&job.errors.base);
  job.errors.base.error_exit = jumpBack;
  job.errors.base.output_message = silence;
  if (setjmp(job.errors.returnPoint) != 0) return false;

  jpeg_create_compress(&job.info);
  job.created = true;
  job.info.dest = &job.destination.base;
  job.info.image_width = static_cast<JDIMENSION>(rgb.width());
  job.info.image_height = static_cast<JDIMENSION>(rgb.height());
  job.info.input_components = 3;
  job.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&job.info);
  // Baseline: 8-bit tables and one sequential scan.
  jpeg_set_quality(&job.info, quality, TRUE);
  jpeg_start_compress(&job.info, TRUE);
  while (job.info.next_scanline < job.info.image_height) {
    JSAMPROW row =
        const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(job.info.next_scanline)));
    jpeg_write_scanlines(&job.info, &row, 1);
  }
  jpeg_finish_compress(&job.info);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> encodeJpeg(const QImage& picture, int quality) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  std::vector<std::uint8_t> bytes;
  Compression job;
  job.destination.base.init_destination = startOutput;
  job.destination.base.empty_output_buffer = growOutput;
  job.destination.base.term_destination = finishOutput;
  job.destination.bytes = &bytes;
  const bool done = compress(job, rgb, quality);
  if (job.created) jpeg_destroy_compress(&job.info);
  if (!done) return std::nullopt;
  return bytes;
}

}  // namespace voltaro::history
