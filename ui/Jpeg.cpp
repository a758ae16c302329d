#include "ui/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <optional>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "ui/Bitmap.h"
#include "core/FileBytes.h"

namespace {


// libjpeg reports errors by calling error_exit, which must not return; it
// jumps back to Decode. Nothing with a destructor lives in the frames it
// jumps over.
struct TErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr Info) {
    auto* manager = reinterpret_cast<TErrorManager*>(Info->err);
    Info->err->format_message(Info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Warnings mean damaged data (libjpeg would go on with made-up pixels).
void EmitMessage(j_common_ptr Info, int Level) {
    if (Level < 0) ErrorExit(Info);
}

void StoreRow(const JSAMPLE* Row, uint32_t* Pixels, JDIMENSION Width) {
    for (JDIMENSION x = 0; x < Width; ++x, Row += 3)
        Pixels[x] = (uint32_t{Row[0]} << 16) | (uint32_t{Row[1]} << 8) | Row[2];
}

// Returns false with the manager's message set when libjpeg gives up.
bool Decode(jpeg_decompress_struct& Info, TErrorManager& Errors, std::span<const uint8_t> Data, TBitmap& Into) {
    if (setjmp(Errors.Jump)) return false;
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, const_cast<unsigned char*>(Data.data()), static_cast<unsigned long>(Data.size()));
    jpeg_read_header(&Info, TRUE);
    Info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&Info);
    if (uint64_t{Info.output_width} * Info.output_height > TBitmap::MaxPixels) {
        std::snprintf(Errors.Message, sizeof Errors.Message, "picture too large (%ux%u)", Info.output_width, Info.output_height);
        return false;
    }
    jpeg_start_decompress(&Info);
    Into.SetSize(static_cast<int>(Info.output_width), static_cast<int>(Info.output_height));
    JSAMPARRAY row = (*Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&Info), JPOOL_IMAGE, Info.output_width * 3, 1);
    while (Info.output_scanline < Info.output_height) {
        const int y = static_cast<int>(Info.output_scanline);
        jpeg_read_scanlines(&Info, row, 1);
        StoreRow(row[0], Into.ScanLine(y), Info.output_width);
    }
    jpeg_finish_decompress(&Info);
    return true;
}

// Owns the decompressor so that it is released on every way out, a
// failed allocation included.
struct TDecompressor {
    jpeg_decompress_struct Info{};
    TErrorManager Errors{};
    TDecompressor() {
        Info.err = jpeg_std_error(&Errors.Base);
        Errors.Base.error_exit = ErrorExit;
        Errors.Base.emit_message = EmitMessage;
    }
    ~TDecompressor() { jpeg_destroy_decompress(&Info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;
};

}  // namespace

void LoadJpeg(TBitmap& Bitmap, std::span<const uint8_t> Data) {
    TDecompressor decompressor;
    TBitmap decoded;
    if (Data.empty() || !Decode(decompressor.Info, decompressor.Errors, Data, decoded))
        throw EJpegError(std::string("invalid JPEG picture: ") + (Data.empty() ? "no data" : decompressor.Errors.Message));
    Bitmap.Assign(decoded);
}

void LoadJpegFile(TBitmap& Bitmap, const std::string& FileName) {
    std::optional<std::vector<uint8_t>> data = ReadFileBytes(FileName);
    if (!data) throw EJpegError("cannot read " + FileName);
    LoadJpeg(Bitmap, *data);
}
