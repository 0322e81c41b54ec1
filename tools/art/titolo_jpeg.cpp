#include "titolo_jpeg.h"

#include <QFile>
#include <QImage>
#include <QString>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace titolo {

namespace {

// libjpeg reports a fault by calling error_exit, which must not return:
// jump back to ScriviJpeg with the library's message.
struct Errori {
    jpeg_error_mgr base;
    std::jmp_buf ritorno;
    char messaggio[JMSG_LENGTH_MAX];
};

[[noreturn]] void Esci(j_common_ptr cinfo)
{
    auto *e = reinterpret_cast<Errori *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->messaggio);
    std::longjmp(e->ritorno, 1);
}

} // namespace

bool ScriviJpeg(const QImage &img, const QString &file, int qualita, QString &errore)
{
    const QImage rgb = img.convertToFormat(QImage::Format_RGB888);
    std::FILE *f = std::fopen(QFile::encodeName(file).constData(), "wb");
    if (!f) {
        errore = QStringLiteral("cannot open the file");
        return false;
    }
    jpeg_compress_struct cinfo{};
    Errori e{};
    cinfo.err = jpeg_std_error(&e.base);
    e.base.error_exit = Esci;
    // The file and the struct are not reassigned after setjmp, so both are
    // sound when a fault jumps back here.
    if (setjmp(e.ritorno)) {
        jpeg_destroy_compress(&cinfo);
        std::fclose(f);
        errore = QString::fromLocal8Bit(e.messaggio);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qualita, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW riga = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &riga, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (std::fclose(f) != 0) {
        errore = QStringLiteral("cannot finish writing the file");
        return false;
    }
    return true;
}

} // namespace titolo
