#include "platform/settings_store.h"

#include <QSaveFile>
#include <QSettings>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

QString path(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

// Why the file cannot be written, in the system's words; empty when it can. The settings
// layer says only that a write failed, so a write is tried the way it writes: beside the
// file, then discarded.
QString unwritableReason(const QString& file) {
    QSaveFile probe(file);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return QString();
}

}  // namespace

SettingsStore::SettingsStore()
    : open_([] {
          return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QString::fromLatin1(kApplication), QString::fromLatin1(kApplication));
      }),
      settings_(open_()) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : open_([iniPath] { return std::make_unique<QSettings>(iniPath, QSettings::IniFormat); }), settings_(open_()) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& section, const QString& key, const QString& defaultText) const {
    const QVariant v = settings_->value(path(section, key));
    return v.isValid() ? v.toString() : defaultText;
}

void SettingsStore::write(const QString& section, const QString& key, const QString& text) {
    settings_->setValue(path(section, key), text);
    unsaved_.insert(path(section, key), text);
}

bool SettingsStore::contains(const QString& section, const QString& key) const {
    return settings_->contains(path(section, key));
}

double SettingsStore::readDouble(const QString& section, const QString& key, double defaultValue) const {
    if (!contains(section, key))
        return defaultValue;
    try {
        return ReadStrictNumber(read(section, key, QString()));
    } catch (const RuntimeError&) {
        return defaultValue;
    }
}

long SettingsStore::readLong(const QString& section, const QString& key, long defaultValue) const {
    if (!contains(section, key))
        return defaultValue;
    try {
        return checkedLong(ReadStrictNumber(read(section, key, QString())));
    } catch (const RuntimeError&) {
        return defaultValue;
    }
}

int SettingsStore::readShort(const QString& section, const QString& key, int defaultValue) const {
    if (!contains(section, key))
        return defaultValue;
    try {
        return checkedShort(ReadStrictNumber(read(section, key, QString())));
    } catch (const RuntimeError&) {
        return defaultValue;
    }
}

bool SettingsStore::readBool(const QString& section, const QString& key, bool defaultValue) const {
    const QString text = read(section, key, settingText(defaultValue)).trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    // A number stands for a Boolean as any non-zero value.
    try {
        return ReadStrictNumber(text) != 0.0;
    } catch (const RuntimeError&) {
        return defaultValue;
    }
}

void SettingsStore::writeNumber(const QString& section, const QString& key, double value) {
    write(section, key, settingText(value));
}

void SettingsStore::writeBool(const QString& section, const QString& key, bool value) {
    write(section, key, settingText(value));
}

bool SettingsStore::sync() {
    if (syncFailed_) {
        // The settings layer keeps its first error for good. A fresh one over the same
        // file, given the changes not yet on disk, has this sync judged by itself.
        settings_ = open_();
        for (auto it = unsaved_.cbegin(); it != unsaved_.cend(); ++it)
            settings_->setValue(it.key(), it.value());
    }
    settings_->sync();
    const QSettings::Status status = settings_->status();
    syncError_ = status == QSettings::NoError ? QString() : unwritableReason(settings_->fileName());
    // A file that did not parse is written over all the same: only one that cannot be
    // written has lost the changes.
    syncFailed_ = status == QSettings::AccessError || !syncError_.isEmpty();
    if (!syncFailed_)
        unsaved_.clear();
    return !syncFailed_;
}

QString SettingsStore::fileName() const { return settings_->fileName(); }

QString settingsNotSavedText(const SettingsStore& store) {
    const QString reason = store.syncError();
    return QStringLiteral("The settings could not be saved.\r\n") +
           (reason.isEmpty() ? QString() : reason + QStringLiteral(": ")) + store.fileName();
}

QString settingText(double value) { return plainNumberText(value); }

}  // namespace quillmar
