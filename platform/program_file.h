#pragma once

#include "platform/cp932_forms.h"
#include "platform/file_save.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

class QSaveFile;

namespace quillmar {

// The code page a document is read in and saved in. Each document keeps its own.
enum class TextEncoding {
    Utf8,    // valid UTF-8 files (plain ASCII among them) and new documents
    Cp932,   // the Japanese code page 932, shown as Unicode and written back in 932
    Latin1,  // any other bytes: each byte is the character of the same number (U+0000..U+00FF)
};

// Whether code page 932 can be used at all (Qt reaches it through ICU).
bool cp932Available();

// Text in the given code page; for UTF-8 a leading U+FEFF stays a character of the text.
// Bytes that are not valid in the code page become U+FFFD.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// The bytes of the text in the code page, or nullopt when a character has no place in
// it (only then: the answer is checked by decoding it again). Code page 932 writes the
// characters it holds twice in the given forms.
std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding, const Cp932Forms& forms = {});

// The UTF-8 byte-order mark that some editors write at the start of a file. It belongs to
// the file, not to its text: a program read as UTF-8 leaves it out of the text and
// remembers it, and saving as UTF-8 writes it again in front.
inline constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);

struct DecodedProgram {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    Cp932Forms forms;
    bool utf8Mark = false;  // the bytes began with kUtf8Mark, which is not in `text`
};

// The code page of a program file's bytes: UTF-8 when they are valid UTF-8, else code
// page 932 when decoding and encoding again in the forms the bytes use gives back the
// same bytes, else Latin-1. Whichever is chosen, the mark (when there was one) followed
// by encodeText(result.text, result.encoding, result.forms) gives back `bytes`.
DecodedProgram decodeProgram(QByteArrayView bytes);

struct ProgramFileRead {
    enum class Status {
        Read,     // the file was read
        Missing,  // nothing exists at the path: an empty document under that name
        Failed,   // it exists but cannot be read (a folder, a pipe or device, no permission, I/O error)
    };
    Status status = Status::Missing;
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    Cp932Forms forms;
    QString error;  // why it failed, in the system's words
    // The file's bytes; with ReadAs::Bytes a UTF-8 file is not decoded (`text` stays
    // empty and `textOmitted` is set): the text box takes the bytes of its text as they are.
    QByteArray bytes;
    bool textOmitted = false;
    FileStamp stamp;  // the file as it was read
    bool utf8Mark = false;  // a UTF-8 file began with kUtf8Mark, which is not in its text

    // The bytes of the text: the file's bytes after the mark.
    QByteArrayView textBytes() const { return QByteArrayView(bytes).sliced(utf8Mark ? kUtf8Mark.size() : 0); }
};

enum class ReadAs { Text, Bytes };

// Reads a whole program file. A missing file is not created.
ProgramFileRead readProgramFile(const QString& path, ReadAs readAs = ReadAs::Text);

// A file read to be inserted into a document rather than opened as one.
struct InsertedFileRead {
    enum class Status {
        Read,        // the file was read whole
        Missing,     // nothing exists at the path
        Unreadable,  // not a regular file (a folder, a device, a pipe), or it cannot be read
        TooLarge,    // more bytes than allowed; nothing was decoded
    };
    Status status = Status::Missing;
    QString text;  // without the file's UTF-8 mark
    TextEncoding encoding = TextEncoding::Utf8;
    Cp932Forms forms;
    QString error;  // why it is unreadable, in the words readProgramFile gives
};

// Reads a regular file (or a link to one) whole, decoded as a program file is. Nothing
// else is ever opened, so a device or a pipe cannot hang the program or flood it; a
// negative `maxBytes` sets no limit. Never creates a file.
InsertedFileRead readInsertedFile(const QString& path, qint64 maxBytes = -1);

struct ProgramFileWrite : SavedFile {
    // The text holds a character the code page cannot represent: nothing was written,
    // and only the user may choose another code page for the file.
    bool unrepresentable = false;
};

// Writes the text in the code page with no conversion of line ends and nothing added but
// the head (the file's UTF-8 mark, when it had one) in front, whole or not at all
// (saveWholeFile), so a failed save leaves the old file as it was.
ProgramFileWrite writeProgramFile(const QString& path, QStringView text, TextEncoding encoding,
                                  const Cp932Forms& forms = {}, QByteArrayView head = {});

// The same for bytes already encoded.
ProgramFileWrite writeFileBytes(const QString& path, QByteArrayView bytes, QByteArrayView head = {});

// Starts a write to the save file's target, refused (with the reason) where the target
// cannot take it. A device or a pipe is refused too: a file renamed over it would take
// its place.
bool openFile(QSaveFile& file, QString* error);

// Ends a write that went to the save file as it was written: renames it over the target
// when every byte reached the disk, else drops it and gives the system's reason.
bool commitFile(QSaveFile& file, QString* error);

}  // namespace quillmar
