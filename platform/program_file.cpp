#include "platform/program_file.h"

#include "platform/cp932_forms.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>

namespace quillmar {

namespace {

bool sameBytes(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && (a.isEmpty() || std::memcmp(a.data(), b.data(), size_t(a.size())) == 0);
}

bool fitsLatin1(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) return false;
    }
    return true;
}

QString decodeUtf8(QByteArrayView bytes) {
    // The decoder would drop a leading U+FEFF; of a text it is a character like any other.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString decodeCp932(QByteArrayView bytes, bool* valid) {
    QStringDecoder decoder(kCp932Name);
    if (!decoder.isValid()) {
        if (valid) *valid = false;
        return QString::fromLatin1(bytes);
    }
    QString text = decoder.decode(bytes);
    if (valid) *valid = !decoder.hasError();
    return text;
}

std::optional<QByteArray> encodeCp932(QStringView text, const Cp932Forms& forms) {
    QStringEncoder encoder(kCp932Name);
    if (!encoder.isValid()) return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    forms.apply(text, bytes);
    // A converter may write a look-alike for a character it lacks; only an exact way back counts.
    bool valid = false;
    const QString back = decodeCp932(bytes, &valid);
    if (!valid || back != text) return std::nullopt;
    return bytes;
}

enum class Opening { Opened, Missing, Refused };

// Opens a regular file (or a link to one) for reading; `error` says why one that is there
// was refused. A pipe would block the reading for ever and a device may never end: only
// a regular file is opened.
Opening openRegularFile(QFile& file, QString* error) {
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return Opening::Missing;
    if (info.isDir())
        *error = QStringLiteral("Is a folder");
    else if (!info.isFile())
        *error = QStringLiteral("Not a regular file");
    else if (file.open(QIODevice::ReadOnly))
        return Opening::Opened;
    else
        *error = file.errorString();
    return Opening::Refused;
}

}  // namespace

bool cp932Available() {
    static const bool available = QStringDecoder(kCp932Name).isValid() && QStringEncoder(kCp932Name).isValid();
    return available;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8: return decodeUtf8(bytes);
    case TextEncoding::Cp932: return decodeCp932(bytes, nullptr);
    case TextEncoding::Latin1: return QString::fromLatin1(bytes);
    }
    return QString();
}

std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding, const Cp932Forms& forms) {
    switch (encoding) {
    case TextEncoding::Utf8: return text.toUtf8();
    case TextEncoding::Cp932: return encodeCp932(text, forms);
    case TextEncoding::Latin1:
        if (!fitsLatin1(text)) return std::nullopt;
        return text.toLatin1();
    }
    return std::nullopt;
}

DecodedProgram decodeProgram(QByteArrayView bytes) {
    // Qt's check refuses every byte that is not well-formed UTF-8 (overlong forms,
    // surrogates, values beyond U+10FFFF, cut sequences, at the end too), so valid UTF-8
    // encodes back to the same bytes: only the other code pages need the way back checked.
    if (bytes.isValidUtf8()) {
        const bool mark = bytes.startsWith(kUtf8Mark);
        return {decodeUtf8(mark ? bytes.sliced(kUtf8Mark.size()) : bytes), TextEncoding::Utf8, {}, mark};
    }

    if (cp932Available()) {
        bool valid = false;
        QString text = decodeCp932(bytes, &valid);
        // A file holding one character in two of its forms cannot be written back from the text.
        const std::optional<Cp932Forms> forms = valid ? Cp932Forms::of(bytes) : std::nullopt;
        if (forms) {
            const std::optional<QByteArray> again = encodeCp932(text, *forms);
            if (again && sameBytes(*again, bytes)) return {std::move(text), TextEncoding::Cp932, *forms};
        }
    }
    return {QString::fromLatin1(bytes), TextEncoding::Latin1, {}};
}

ProgramFileRead readProgramFile(const QString& path, ReadAs readAs) {
    ProgramFileRead result;
    if (path.isEmpty()) {
        result.status = ProgramFileRead::Status::Failed;
        result.error = QStringLiteral("No file name");
        return result;
    }
    QFile file(path);
    switch (openRegularFile(file, &result.error)) {
    case Opening::Missing:
        result.status = ProgramFileRead::Status::Missing;
        return result;
    case Opening::Refused:
        result.status = ProgramFileRead::Status::Failed;
        return result;
    case Opening::Opened:
        break;
    }
    // Taken before the reading, so that a change made meanwhile shows at the next save.
    result.stamp = fileStamp(file.handle());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ProgramFileRead::Status::Failed;
        result.error = file.errorString();
        return result;
    }
    result.status = ProgramFileRead::Status::Read;
    result.bytes = bytes;
    if (readAs == ReadAs::Bytes && QByteArrayView(bytes).isValidUtf8()) {
        result.encoding = TextEncoding::Utf8;
        result.textOmitted = true;
        result.utf8Mark = bytes.startsWith(kUtf8Mark);
        return result;
    }
    DecodedProgram decoded = decodeProgram(bytes);
    result.text = std::move(decoded.text);
    result.encoding = decoded.encoding;
    result.forms = decoded.forms;
    result.utf8Mark = decoded.utf8Mark;
    return result;
}

InsertedFileRead readInsertedFile(const QString& path, qint64 maxBytes) {
    using Status = InsertedFileRead::Status;
    InsertedFileRead result;
    QFile file(path);
    const Opening opening = path.isEmpty() ? Opening::Missing : openRegularFile(file, &result.error);
    result.status = opening == Opening::Missing ? Status::Missing : Status::Unreadable;
    if (opening != Opening::Opened)
        return result;
    // One byte beyond the limit is enough to know the file is too large; the size on
    // disk is not trusted, as the file may grow between the look and the read.
    const QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    if (maxBytes >= 0 && bytes.size() > maxBytes) {
        result.status = Status::TooLarge;
        return result;
    }
    DecodedProgram decoded = decodeProgram(bytes);
    result.status = Status::Read;
    result.text = std::move(decoded.text);
    result.encoding = decoded.encoding;
    result.forms = decoded.forms;
    return result;
}

ProgramFileWrite writeFileBytes(const QString& path, QByteArrayView bytes, QByteArrayView head) {
    ProgramFileWrite result;
    static_cast<SavedFile&>(result) = saveWholeFile(path, bytes, head);
    return result;
}

bool openFile(QSaveFile& file, QString* error) {
    const QFileInfo target(file.fileName());
    if (target.exists() && !target.isFile() && !target.isDir()) {
        if (error) *error = QStringLiteral("Not a regular file");
        return false;
    }
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool commitFile(QSaveFile& file, QString* error) {
    // The write is buffered: a full disk shows only when the buffer goes out, and the
    // commit would rename the short file over the old one all the same, so the flush is
    // checked before it. A write the disk cut short carries no reason; the next attempt,
    // refused outright, has the system's own.
    bool flushed = file.flush();
    if (!flushed)
        flushed = file.flush();
    if (!flushed || file.error() != QFileDevice::NoError) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

ProgramFileWrite writeProgramFile(const QString& path, QStringView text, TextEncoding encoding,
                                  const Cp932Forms& forms, QByteArrayView head) {
    ProgramFileWrite result;
    const std::optional<QByteArray> bytes = encodeText(text, encoding, forms);
    if (!bytes) {
        result.unrepresentable = true;
        return result;
    }
    return writeFileBytes(path, *bytes, head);
}

}  // namespace quillmar
