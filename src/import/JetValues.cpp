#include "import/JetValues.h"

#include "data/ShortDate.h"

#include <QDate>
#include <QTime>
#include <cerrno>
#include <cmath>
#include <iconv.h>

namespace vindel::JetValues {

std::optional<QString> dateTimeToStorage(double days)
{
    // 0001-01-01 .. 9999-12-31 would be wider; Jet itself accepts 100-01-01 .. 9999-12-31.
    if (!std::isfinite(days) || days < -657434.0 || days >= 2958466.0)
        return std::nullopt;
    double whole = std::trunc(days);
    qint64 seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += 1.0;
    }
    const QDate date = QDate(1899, 12, 30).addDays(qint64(whole));
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    // UTC so that no time-zone rule moves a local time that a switch to summer time skips.
    return ShortDate::toStorage(QDateTime(date, time, Qt::UTC));
}

QString decodeJet4Text(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    QString out = QStringLiteral(""); // empty, never null: NULL is told apart from ""
    if (size >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        // Compressed: one byte per character (high byte 0); a 0 byte switches to two-byte
        // characters and back.
        out.reserve(size);
        bool compressed = true;
        for (qsizetype i = 2; i < size;) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out.append(QChar(char16_t(p[i])));
                ++i;
            } else if (i + 1 < size) {
                out.append(QChar(char16_t(p[i] | (p[i + 1] << 8))));
                i += 2;
            } else {
                break;
            }
        }
        return out;
    }
    out.resize(size / 2);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i + 1 < size; i += 2)
        d[i / 2] = char16_t(p[i] | (p[i + 1] << 8));
    return out;
}

QByteArray iconvName(int codePage)
{
    if (codePage <= 0)
        return {};
    for (const char *pattern : {"CP%1", "WINDOWS-%1", "IBM%1"}) {
        const QByteArray name = QByteArray(pattern).replace("%1", QByteArray::number(codePage));
        iconv_t cd = iconv_open("UTF-8", name.constData());
        if (cd != iconv_t(-1)) {
            iconv_close(cd);
            return name;
        }
    }
    return {};
}

CodePageDecoder::CodePageDecoder(int codePage) : m_name(iconvName(codePage))
{
    if (m_name.isEmpty())
        m_name = "CP1252";
    iconv_t cd = iconv_open("UTF-8", m_name.constData());
    m_cd = cd == iconv_t(-1) ? nullptr : cd;
}

CodePageDecoder::~CodePageDecoder()
{
    if (m_cd)
        iconv_close(iconv_t(m_cd));
}

QString CodePageDecoder::decode(const char *data, qsizetype size)
{
    if (size <= 0)
        return QStringLiteral("");
    if (!m_cd)
        return QString::fromLatin1(data, size);
    iconv_t cd = iconv_t(m_cd);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (m_buffer.size() < size * 4 + 16)
        m_buffer.resize(size * 4 + 16);
    QString result;
    char *in = const_cast<char *>(data);
    size_t inLeft = size_t(size);
    while (inLeft > 0) {
        char *out = m_buffer.data();
        size_t outLeft = size_t(m_buffer.size());
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        result += QString::fromUtf8(m_buffer.constData(), qsizetype(out - m_buffer.constData()));
        if (rc != size_t(-1))
            break;
        if (errno == EILSEQ || errno == EINVAL) {
            // A byte the code page leaves undefined: Windows keeps it as the control character
            // of the same number, and so do we.
            result += QChar(char16_t(static_cast<unsigned char>(*in)));
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        } else if (errno != E2BIG) {
            break;
        }
    }
    return result;
}

} // namespace vindel::JetValues
