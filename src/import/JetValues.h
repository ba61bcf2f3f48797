#pragma once

#include <QByteArray>
#include <QString>
#include <optional>


// Values as Jet stores them, turned into what our database holds. Needs no libmdb.
namespace vindel::JetValues {

// A Date/Time value (days since 1899-12-30; before that the fraction still counts forward
// from midnight) as stored text "yyyy-MM-dd hh:mm:ss", rounded to the second. Nothing for a
// value outside the range Jet allows (years 100 to 9999), which only a damaged file holds.
std::optional<QString> dateTimeToStorage(double days);

// Jet 4 text: UCS-2 (UTF-16LE), or the compressed form that starts with FF FE.
QString decodeJet4Text(const char *data, qsizetype size);

// Jet 3 text in the code page the file declares. Unknown code pages read as Windows-1252.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage);
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    QString decode(const char *data, qsizetype size);
    QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }
    const QByteArray &encodingName() const { return m_name; }

private:
    QByteArray m_name;
    void *m_cd = nullptr; // iconv_t
    QByteArray m_buffer;
};

// The iconv name used for a Windows code page, or an empty text when iconv has none.
QByteArray iconvName(int codePage);

} // namespace vindel::JetValues
