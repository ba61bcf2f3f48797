#include "catalogue/NameCheck.h"

#include "app/AppContext.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace vindel {

namespace NameCheck {

bool isAllowed(char32_t c)
{
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return true;
    switch (c) {
    case U' ': case U'!': case U'#': case U'$': case U'%': case U'&': case U'(': case U')': case U',':
    case U'-': case U'.': case U'@': case U'_': case U'`': case U'{': case U'}':
    case U'Ä': case U'Ö': case U'Ü': case U'ß': case U'ä': case U'ö': case U'ü':
        return true;
    default:
        return false;
    }
}

int firstRejected(const QString &text)
{
    // Surrogates are refused like every other character outside the allowed set.
    for (int i = 0; i < text.size(); ++i)
        if (!isAllowed(text.at(i).unicode()))
            return i;
    return -1;
}

QString withoutRejected(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4())
        if (isAllowed(c))
            out += QChar(char16_t(c));
    return out;
}

QString invalidNameMessage()
{
    return QStringLiteral("Dieser Name ist ungültig! \n\nBitte verwenden Sie keine Sonderzeichen wie \n\n"
                          "? * < > \\ + : = / \" ; [ ] | \n\nMöglich sind aber folgende Sonderzeichen\n\n"
                          "`  { } ( ) % & - @ # $ ! _ ");
}

} // namespace NameCheck

bool Namenpruefen(AppContext &ctx, const QString &text)
{
    ctx.state.NameValid = QStringLiteral("ja");
    if (NameCheck::firstRejected(text) < 0)
        return true;
    ctx.state.NameValid = QStringLiteral("nein");
    ctx.prompter.information(NameCheck::invalidNameMessage());
    return false;
}

bool checkNameField(AppContext &ctx, QLineEdit *field)
{
    const QString text = field->text();
    if (Namenpruefen(ctx, text))
        return false;
    const int cursor = field->cursorPosition();
    const QString before = NameCheck::withoutRejected(text.left(cursor));
    const QString cleaned = before + NameCheck::withoutRejected(text.mid(cursor));
    {
        const QSignalBlocker block(field);
        field->setText(cleaned);
        field->setCursorPosition(int(before.size()));
    }
    // What is left passes the check.
    ctx.state.NameValid = QStringLiteral("ja");
    return true;
}

} // namespace vindel
