#include "canvas/gdiplus_codec.h"

#include <cstring>

#include "canvas/gdiplus_headers.h"
// After the GDI+ headers: SHCreateMemStream.
#include <shlwapi.h>

namespace voltaro::canvas {

namespace {

struct StreamRelease {
  void operator()(IStream* stream) const { stream->Release(); }
};
using StreamHandle = std::unique_ptr<IStream, StreamRelease>;

StreamHandle memoryStream(std::span<const std::uint8_t> bytes) {
  return StreamHandle(SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
}

// The decoded bitmap of `bytes`; it reads from the stream, which must
// outlive it.
std::unique_ptr<Gdiplus::Bitmap> readBitmap(IStream* stream) {
  if (stream == nullptr) return nullptr;
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(stream, FALSE);
  if (bitmap->GetLastStatus() != Gdiplus::Ok || bitmap->GetWidth() == 0) return nullptr;
  return bitmap;
}

// Copies the pixels of `source` in `format` row by row into `out`, which
// holds width x height words.
bool copyPixels(Gdiplus::Bitmap& source, Gdiplus::PixelFormat format, std::uint32_t* out) {
  const int width = static_cast<int>(source.GetWidth());
  const int height = static_cast<int>(source.GetHeight());
  const Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (source.LockBits(&all, Gdiplus::ImageLockModeRead, format, &data) != Gdiplus::Ok) return false;
  for (int y = 0; y < height; ++y) {
    std::memcpy(
        out + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
        static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride,
        static_cast<std::size_t>(width) * 4);
  }
  source.UnlockBits(&data);
  return true;
}

std::optional<CLSID> encoderOf(const wchar_t* mimeType) {
  UINT count = 0;
  UINT bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
    return std::nullopt;
  std::vector<std::uint8_t> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return std::nullopt;
  for (UINT i = 0; i < count; ++i) {
    if (std::wcscmp(codecs[i].MimeType, mimeType) == 0) return codecs[i].Clsid;
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<GdiplusPicture> decodePicture(std::span<const std::uint8_t> bytes) {
  const StreamHandle stream = memoryStream(bytes);
  const auto decoded = readBitmap(stream.get());
  if (!decoded) return nullptr;
  // A bitmap of its own, so the picture outlives the stream.
  const int width = static_cast<int>(decoded->GetWidth());
  const int height = static_cast<int>(decoded->GetHeight());
  auto bitmap = makeBitmap(width, height);
  const Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppPARGB, &data) !=
      Gdiplus::Ok) {
    return nullptr;
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  const bool copied = copyPixels(*decoded, PixelFormat32bppPARGB, pixels.data());
  for (int y = 0; copied && y < height; ++y) {
    std::memcpy(
        static_cast<std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride,
        pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
        static_cast<std::size_t>(width) * 4);
  }
  bitmap->UnlockBits(&data);
  if (!copied) return nullptr;
  return std::make_unique<GdiplusPicture>(std::move(bitmap));
}

std::optional<DecodedPixels> decodePixels(std::span<const std::uint8_t> bytes, std::string& error) {
  const StreamHandle stream = memoryStream(bytes);
  const auto decoded = readBitmap(stream.get());
  if (!decoded) {
    error = "not a picture that can be read";
    return std::nullopt;
  }
  DecodedPixels out;
  out.width = static_cast<int>(decoded->GetWidth());
  out.height = static_cast<int>(decoded->GetHeight());
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(out.width) *
                                  static_cast<std::size_t>(out.height));
  if (!copyPixels(*decoded, PixelFormat32bppARGB, argb.data())) {
    error = "its pixels cannot be read";
    return std::nullopt;
  }
  out.rgba.resize(argb.size() * 4);
  for (std::size_t i = 0; i < argb.size(); ++i) {
    out.rgba[4 * i] = static_cast<std::uint8_t>(argb[i] >> 16);
    out.rgba[4 * i + 1] = static_cast<std::uint8_t>(argb[i] >> 8);
    out.rgba[4 * i + 2] = static_cast<std::uint8_t>(argb[i]);
    out.rgba[4 * i + 3] = static_cast<std::uint8_t>(argb[i] >> 24);
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> encodeJpeg(Gdiplus::Bitmap& bitmap, int quality) {
  const auto encoder = encoderOf(L"image/jpeg");
  if (!encoder) return std::nullopt;
  IStream* raw = nullptr;
  if (CreateStreamOnHGlobal(nullptr, TRUE, &raw) != S_OK) return std::nullopt;
  const StreamHandle stream(raw);
  ULONG level = static_cast<ULONG>(std::clamp(quality, 0, 100));
  Gdiplus::EncoderParameters parameters{};
  parameters.Count = 1;
  parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
  parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
  parameters.Parameter[0].NumberOfValues = 1;
  parameters.Parameter[0].Value = &level;
  if (bitmap.Save(stream.get(), &*encoder, &parameters) != Gdiplus::Ok) return std::nullopt;
  ULARGE_INTEGER end{};
  const LARGE_INTEGER zero{};
  if (stream->Seek(zero, STREAM_SEEK_CUR, &end) != S_OK) return std::nullopt;
  std::vector<std::uint8_t> file(static_cast<std::size_t>(end.QuadPart));
  ULONG read = 0;
  if (stream->Seek(zero, STREAM_SEEK_SET, nullptr) != S_OK ||
      stream->Read(file.data(), static_cast<ULONG>(file.size()), &read) != S_OK ||
      read != file.size()) {
    return std::nullopt;
  }
  return file;
}

}  // namespace voltaro::canvas
