#pragma once
// Recorded spins as CSV text (RFC 4180, UTF-8): writing the rows of Uscite,
// and reading them back or reading a plain list of numbers.
//
// The table format: the header line
//     id,Numero,Memoria,Tipo,Cima,Memcima,Note
// then one line per row with the values as stored (" 5" stays " 5").  Lines
// end in CR LF.  A field holding a comma, a double quote, a CR or an LF is
// enclosed in double quotes, a quote inside doubled.  NULL is an empty field;
// an empty text is written "" so that the two stay apart.  A value stored as
// bytes (a BLOB) is written in double quotes as X'…', its bytes in hexadecimal
// ("X'00FF'"): the writer never puts a text of that form in quotes, so the
// two stay apart as well.  Texts are written exactly as stored, also those
// beginning with =, +, - or @.
//
// Reading (SpinCsvReader) takes the whole file, UTF-8, with or without a
// byte-order mark (only at the very start of the file; one anywhere else is
// text), lines ending in CR LF, LF or CR:
// - When its first line is the header above (names compared without regard
//   to case or blanks around them), the table format.  Every line must have
//   seven fields; Numero a whole number 0-36 and Memoria a whole number from
//   1 to 2147483647 (blanks around them allowed: they are stored as written);
//   Tipo 1, 2 or empty.  id is not read (the store assigns it); Cima, Memcima
//   and Note are free text.  Empty lines are skipped.  A header separated by
//   ";" (as Italian spreadsheets write) makes ";" the separator of every line.
// - Otherwise a plain list of numbers 0-36, in the order they came out:
//   separated by line ends, commas or blanks (spaces, tabs), in any mix; a
//   leading zero is allowed ("07"); empty and blank lines are skipped, and a
//   comma may end a line ("5, 17, 32,").  Two commas with no number between
//   them, or a comma opening a line, are a fault (a spin would be missing).
//   When the first line holding a number has a ";" before any comma, ";"
//   takes the place of the comma, and a comma is a fault (and the other way
//   round).
//   The rows are those the main board records for one new game with the
//   history size 36: Numero " 5", Memoria " 1" to " 36" and then " 37", the
//   Tipo given to the reader.  A list can be read newest first.
// A fault names the line where it is (1 is the first line of the file).

#include "core/savefile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <vector>

namespace zt {

inline constexpr const char* kSpinCsvHeader = "id,Numero,Memoria,Tipo,Cima,Memcima,Note";
inline constexpr int kSpinCsvColumns = 7;

// Appends the header line to out.
void appendSpinCsvHeader(QString& out);

// Appends one row to out: the values of id, Numero, Memoria, Tipo, Cima,
// Memcima, Note in this order (a null QVariant is NULL).
void appendSpinCsvRow(QString& out, const QVariant (&values)[kSpinCsvColumns]);

// One row to add to Uscite: each value a text, bytes (a BLOB), or null for NULL.
struct SpinCsvRow {
    QVariant numero;
    QVariant memoria;
    int tipo = 0; // 1 "Live", 2 "Spin", 0 NULL
    QVariant cima;
    QVariant memcima;
    QVariant note;
};

// A value as a message shows it: in the quotes of the language shown
// («text»), cut short after 30 characters ("«999…»"), with what does not
// print spelt out (printableText).
QString shownValue(QStringView text);

// Why Numero, Memoria and Tipo (as texts) cannot make a row of Uscite, as
// the table format requires them ("Numero «40» non è un numero da 0 a 36");
// empty when they can.
QString spinValuesProblem(QStringView numero, QStringView memoria, QStringView tipo);

class SpinCsvReader {
public:
    enum class Format { Table, NumberList };

    // bytes: the whole file.  listTipo: the Tipo of the rows of a plain list
    // (1, 2, or 0 for none).
    explicit SpinCsvReader(const QByteArray& bytes, int listTipo = 0);

    Format format() const { return format_; }
    // The separator of the fields or of the numbers: ',' or ';'.
    QChar separator() const { return sep_; }

    // A plain list given newest first: next() gives its numbers from the last
    // to the first, as they came out, numbered as one game from there (and
    // nothing before check() has passed).  The table format is read in its
    // order.  Set before check().
    void setNewestFirst(bool newestFirst) { newestFirst_ = newestFirst; }

    // Reads every line; false at the first fault, which error() names
    // ("riga 7: Numero «40» non è un numero da 0 a 36").  Then rewinds.
    bool check();
    // The rows found by check().
    qint64 rowCount() const { return rows_; }

    // Back to the first row.
    void rewind();
    // The next row; false at the end of the file, or at a fault (error()).
    bool next(SpinCsvRow& row);

    const QString& error() const { return error_; }

private:
    struct Field {
        QStringView text;
        bool quoted = false;
    };

    bool next(SpinCsvRow* row);
    bool fault(int line, const QString& what);
    // The first record read with the separator: 2 our header, 1 a header of
    // another table (its first name is id), 0 no header.
    int headerWith(QChar sep);
    // The next record of the table format into fields_; false at the end or at a fault.
    bool nextRecord();
    bool nextTableRow(SpinCsvRow* row);
    bool nextListNumber(SpinCsvRow* row);
    bool previousListNumber(SpinCsvRow* row);
    void listRow(qint64 number, SpinCsvRow* row);
    bool isListSeparator(QChar c) const;
    // Skips the line end at pos_ (CR LF, LF or CR) and counts the line.
    void skipLineEnd();
    bool atLineEnd() const;

    QString text_;
    Format format_ = Format::NumberList;
    int listTipo_ = 0;
    qsizetype start_ = 0; // where the rows begin (after the header)
    int startLine_ = 1;
    QString startFault_; // a fault of the whole file (its encoding, its header)
    QChar sep_ = u',';
    int sepLine_ = 0; // the line that set the separator of a list (0: none did)
    bool newestFirst_ = false;
    bool checked_ = false; // check() passed

    qsizetype pos_ = 0;
    int line_ = 1;
    qint64 listCount_ = 0;   // numbers of the list read so far
    bool afterComma_ = true; // a list line: no number since its start or the last comma
    std::vector<Field> fields_;
    std::vector<QString> unquoted_; // fields whose doubled quotes were undone
    int recordLine_ = 1;
    qsizetype recordStart_ = 0;

    qint64 rows_ = 0;
    QString error_;
};

// Writes an exported file in one piece (see saveWhole): on failure *error
// reads "Impossibile scrivere il file <path>: <cause>."
inline bool saveFileWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    return saveWhole(path, bytes, QCoreApplication::translate("Files", "il file"), error);
}

} // namespace zt
