#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace quillmar {

// Per-user application settings: application name, section, key -> text.
// Every read supplies its default; numbers are stored as plain decimal text and
// Booleans as "True"/"False"; no key is ever deleted.
class SettingsStore {
public:
    static constexpr const char* kApplication = "Quillmar";
    static constexpr const char* kSettings = "Settings";
    static constexpr const char* kParameter = "Parameter";

    // The store in the user's configuration folder (INI format).
    SettingsStore();
    // A store in the given INI file, for tests and tools.
    explicit SettingsStore(const QString& iniPath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString read(const QString& section, const QString& key, const QString& defaultText) const;
    void write(const QString& section, const QString& key, const QString& text);
    bool contains(const QString& section, const QString& key) const;

    // Typed reads: a stored text that does not read as a number gives the default.
    double readDouble(const QString& section, const QString& key, double defaultValue) const;
    // Whole numbers: a fractional text is rounded to the nearest, halves to even.
    long readLong(const QString& section, const QString& key, long defaultValue) const;
    int readShort(const QString& section, const QString& key, int defaultValue) const;
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    void writeNumber(const QString& section, const QString& key, double value);
    void writeBool(const QString& section, const QString& key, bool value);

    // Writes every change to the file. False when the file could not be written; the
    // changes then still hold for this run, and the next sync tries them again.
    bool sync();
    // Why the last sync failed, in the system's words; empty after one that succeeded,
    // or when the system gave no reason.
    QString syncError() const { return syncError_; }
    QString fileName() const;

private:
    std::function<std::unique_ptr<QSettings>()> open_;
    std::unique_ptr<QSettings> settings_;
    QMap<QString, QString> unsaved_;  // by section/key, written since the last good sync
    QString syncError_;
    bool syncFailed_ = false;
};

// What to tell the user when a sync has failed: that the settings could not be saved,
// why, and the file.
QString settingsNotSavedText(const SettingsStore& store);

// The stored text of a number: plain decimal, no leading blank.
QString settingText(double value);
inline QString settingText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace quillmar
