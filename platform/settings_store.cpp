#include "platform/settings_store.h"

#include <QSettings>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

QString path(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromLatin1(kApplication),
                                            QString::fromLatin1(kApplication))) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& section, const QString& key, const QString& defaultText) const {
    const QVariant v = settings_->value(path(section, key));
    return v.isValid() ? v.toString() : defaultText;
}

void SettingsStore::write(const QString& section, const QString& key, const QString& text) {
    settings_->setValue(path(section, key), text);
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

void SettingsStore::sync() { settings_->sync(); }

QString SettingsStore::fileName() const { return settings_->fileName(); }

QString settingText(double value) { return plainNumberText(value); }

}  // namespace quillmar
