#pragma once
// Splits one line of a scenario script into its words: blanks separate them, a word in double quotes
// may hold blanks and the escapes \" \\ \r \n \t. Blank lines and lines starting with '#' give none.
#include <QString>
#include <stdexcept>
#include <vector>

namespace script {

struct Word {
    QString text;
    bool quoted = false; // `file "cancel"` names a file, `file cancel` cancels the dialog
    bool operator==(const Word&) const = default;
};

class LexError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws LexError for an unterminated quote, an unknown escape or a quote glued to other text.
std::vector<Word> splitLine(const QString& line);

} // namespace script
