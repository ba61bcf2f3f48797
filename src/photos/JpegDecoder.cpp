#include "photos/JpegDecoder.h"

#include "photos/ExifOrientation.h"
#include "photos/PhotoDisplay.h"

#include <QFile>
#include <QtEndian>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace vindel {

namespace {

// Pictures beyond this are refused rather than allocated (256 MB of RGB32).
constexpr qint64 kMaxOutputPixels = 64ll * 1024 * 1024;
// A file declaring more pixels than the largest camera sensors give is no photo; it is refused
// before libjpeg allocates anything for it.
constexpr qint64 kMaxDeclaredPixels = 200ll * 1000 * 1000;
// What libjpeg may allocate for one picture (a progressive file keeps all its coefficients).
constexpr long kMaxDecoderMemory = 1024l * 1024 * 1024;
// Arithmetic coding can describe a huge, empty picture in a few hundred bytes, and decoding it
// would still visit every block. No real photo packs more pixels than this into one byte.
constexpr qint64 kMaxArithmeticPixelsPerByte = 8000;
// Files larger than this are not read into memory at all.
constexpr qint64 kMaxFileBytes = 512ll * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;   // first member: libjpeg hands us a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool haveMessage;
    bool cancelled;
    int warnings;
    const std::function<bool()> *cancelCheck;
};

ErrorManager *manager(j_common_ptr cinfo)
{
    return reinterpret_cast<ErrorManager *>(cinfo->err);
}

void keepMessage(j_common_ptr cinfo)
{
    ErrorManager *m = manager(cinfo);
    if (!m->haveMessage) {
        (*cinfo->err->format_message)(cinfo, m->message);
        m->haveMessage = true;
    }
}

[[noreturn]] void onErrorExit(j_common_ptr cinfo)
{
    keepMessage(cinfo);
    std::longjmp(manager(cinfo)->jump, 1);
}

// Warnings that mean the picture data is broken; anything else (extraneous bytes between markers,
// unknown JFIF revisions, ...) is tolerated, as every viewer does.
bool isDamageWarning(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
        return true;
    default:
        return false;
    }
}

// Never prints: a corrupt file would otherwise write one line per bad segment to stderr.
void onEmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace output
    ErrorManager *m = manager(cinfo);
    ++m->warnings;
    if (isDamageWarning(cinfo->err->msg_code)) {
        keepMessage(cinfo);
        std::longjmp(m->jump, 1);
    }
}

void onOutputMessage(j_common_ptr cinfo)
{
    keepMessage(cinfo);
}

void onProgress(j_common_ptr cinfo)
{
    ErrorManager *m = manager(cinfo);
    if (m->cancelCheck && *m->cancelCheck && (*m->cancelCheck)()) {
        m->cancelled = true;
        std::longjmp(m->jump, 1);
    }
}

int orientationFromMarkers(j_decompress_ptr cinfo)
{
    for (jpeg_saved_marker_ptr mk = cinfo->marker_list; mk; mk = mk->next) {
        if (mk->marker == JPEG_APP0 + 1) {
            const int o = exifOrientationFromApp1(mk->data, mk->data_length);
            if (o != 1)
                return o;
        }
    }
    return 1;
}

// All state lives here rather than in locals of the function that calls setjmp, so that nothing
// with a destructor is skipped by longjmp and nothing is read back in an indeterminate state.
struct DecodeContext {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;
    const QByteArray *data = nullptr;
    const JpegDecodeOptions *options = nullptr;
    JpegDecodeResult result;
    std::vector<JSAMPLE> cmykRow;
    bool created = false;
    bool tooLarge = false;
};

void cmykRowToRgb(const JSAMPLE *in, QRgb *out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, in += 4) {
        int c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) {
            c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k;
        }
        // Values as Adobe writes them: 255 means no ink.
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

bool runDecode(DecodeContext &c)
{
    c.cinfo.err = jpeg_std_error(&c.err.pub);
    c.err.pub.error_exit = onErrorExit;
    c.err.pub.emit_message = onEmitMessage;
    c.err.pub.output_message = onOutputMessage;
    c.err.haveMessage = false;
    c.err.cancelled = false;
    c.err.warnings = 0;
    c.err.cancelCheck = &c.options->cancelled;
    c.err.message[0] = 0;

    if (setjmp(c.err.jump))
        return false;

    jpeg_create_decompress(&c.cinfo);
    c.created = true;
    c.cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    c.progress.progress_monitor = onProgress;
    c.progress.pass_counter = 0;
    c.progress.pass_limit = 0;
    c.progress.completed_passes = 0;
    c.progress.total_passes = 0;
    c.cinfo.progress = &c.progress;

    jpeg_mem_src(&c.cinfo, reinterpret_cast<const unsigned char *>(c.data->constData()),
                 static_cast<unsigned long>(c.data->size()));
    jpeg_save_markers(&c.cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&c.cinfo, TRUE);

    const qint64 declared = qint64(c.cinfo.image_width) * qint64(c.cinfo.image_height);
    if (declared > kMaxDeclaredPixels
        || (c.cinfo.arith_code && declared > qint64(c.data->size()) * kMaxArithmeticPixelsPerByte)) {
        c.tooLarge = true;
        return false;
    }

    const int orientation = orientationFromMarkers(&c.cinfo);
    c.result.orientation = orientation;
    const bool rotate = c.options->applyOrientation && orientationSwapsAxes(orientation);
    const QSize stored(int(c.cinfo.image_width), int(c.cinfo.image_height));
    const QSize upright = rotate ? stored.transposed() : stored;
    c.result.fullSize = upright;

    QSize needed;
    if (c.options->boundingBox.isValid() && !c.options->boundingBox.isEmpty()) {
        needed = fitInside(upright, c.options->boundingBox);
        needed = needed.boundedTo(upright);
    }
    const int denom = chooseScaleDenominator(upright, needed);
    c.cinfo.scale_num = 1;
    c.cinfo.scale_denom = unsigned(denom);
    c.result.scaleDenominator = denom;

    const bool cmyk = c.cinfo.jpeg_color_space == JCS_CMYK || c.cinfo.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    c.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
#else
    c.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_XRGB;
#endif
    jpeg_calc_output_dimensions(&c.cinfo);

    const qint64 w = c.cinfo.output_width, h = c.cinfo.output_height;
    if (w <= 0 || h <= 0 || w * h > kMaxOutputPixels) {
        c.tooLarge = true;
        return false;
    }
    c.result.image = QImage(int(w), int(h), QImage::Format_RGB32);
    if (c.result.image.isNull()) {
        c.tooLarge = true;
        return false;
    }
    if (cmyk)
        c.cmykRow.resize(std::size_t(w) * 4);

    jpeg_start_decompress(&c.cinfo);
    while (c.cinfo.output_scanline < c.cinfo.output_height) {
        const int y = int(c.cinfo.output_scanline);
        JSAMPROW row = cmyk ? c.cmykRow.data() : reinterpret_cast<JSAMPROW>(c.result.image.scanLine(y));
        if (jpeg_read_scanlines(&c.cinfo, &row, 1) != 1)
            break;
        if (cmyk)
            cmykRowToRgb(c.cmykRow.data(), reinterpret_cast<QRgb *>(c.result.image.scanLine(y)), int(w),
                         c.cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&c.cinfo);
    return true;
}

} // namespace

bool isJpegData(const QByteArray &head)
{
    return head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 && uchar(head[2]) == 0xFF;
}

int chooseScaleDenominator(QSize picture, QSize needed)
{
    if (needed.isEmpty() || picture.isEmpty())
        return 1;
    for (int d : {8, 4, 2}) {
        const int w = (picture.width() + d - 1) / d;
        const int h = (picture.height() + d - 1) / d;
        if (w >= needed.width() && h >= needed.height())
            return d;
    }
    return 1;
}

JpegDecodeResult decodeJpeg(const QByteArray &data, const JpegDecodeOptions &options)
{
    JpegDecodeResult failed;
    if (data.isEmpty()) {
        failed.error = QStringLiteral("Die Datei ist leer.");
        return failed;
    }
    if (!isJpegData(data)) {
        failed.error = QStringLiteral("Die Datei ist kein JPEG-Bild.");
        return failed;
    }

    DecodeContext c;
    c.data = &data;
    c.options = &options;
    const bool ok = runDecode(c);
    if (c.created)
        jpeg_destroy_decompress(&c.cinfo);

    c.result.warnings = c.err.warnings;
    if (ok) {
        c.result.status = JpegDecodeResult::Status::Ok;
        if (options.applyOrientation && c.result.orientation != 1)
            c.result.image = applyExifOrientation(c.result.image, c.result.orientation);
        return std::move(c.result);
    }
    c.result.image = QImage();
    if (c.err.cancelled) {
        c.result.status = JpegDecodeResult::Status::Cancelled;
    } else {
        c.result.status = JpegDecodeResult::Status::Damaged;
        c.result.error = c.tooLarge ? QStringLiteral("Das Bild ist zu groß.")
                                    : QString::fromLocal8Bit(c.err.message);
    }
    return std::move(c.result);
}

JpegDecodeResult decodeJpegFile(const QString &path, const JpegDecodeOptions &options)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        JpegDecodeResult r;
        r.error = f.errorString();
        return r;
    }
    if (f.size() > kMaxFileBytes) {
        JpegDecodeResult r;
        r.error = QStringLiteral("Die Datei ist zu groß.");
        return r;
    }
    return decodeJpeg(f.readAll(), options);
}

bool LoadJpegInto(const QString &path, QImage &target, QSize boundingBox, QString *error)
{
    JpegDecodeOptions options;
    options.boundingBox = boundingBox;
    JpegDecodeResult r = decodeJpegFile(path, options);
    if (!r.ok()) {
        if (error)
            *error = r.error;
        return false;
    }
    target = std::move(r.image);
    return true;
}

} // namespace vindel
