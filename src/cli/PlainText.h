#ifndef PlainTextH
#define PlainTextH

// Turns the rich-text fragments of the program (captions with <sub>/<sup>, coloured verdicts, messages with
// layer links) into plain text for a terminal, without a text document and thus without a GUI.

#include <QString>

namespace PlainText {

/*! Subscripts become "_x" (M<sub>c</sub> -> M_c), superscripts 2 and 3 become ² and ³, other superscripts
    "^x"; line breaks become newlines; all other tags are dropped and the common entities decoded. */
QString fromHtml(const QString &html);

/*! \a message without the "[Class::function]" locations the file readers put before their lines: a user of the
    command line needs the cause, not the place in the code where it was found. */
QString withoutLocations(const QString &message);

} // namespace PlainText

#endif // PlainTextH
