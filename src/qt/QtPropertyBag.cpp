#include "qt/QtPropertyBag.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <charconv>
#include <cmath>

#include "qt/QtPicture.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

[[noreturn]] void Unreadable(const std::string& name) {
    throw Error(errors::TypeMismatch, "The stored value of '" + name + "' can't be read");
}

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

// A number as stored: the text of a number in the C locale, or a number stored natively.
double NumberOf(const QVariant& stored, const std::string& name) {
    if (stored.typeId() != QMetaType::QString) {
        bool ok = false;
        const double value = stored.toDouble(&ok);
        if (!ok) Unreadable(name);
        return value;
    }
    const std::string text = stored.toString().trimmed().toStdString();
    double value = 0;
    const char* begin = text.data() + (!text.empty() && text[0] == '+');
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) Unreadable(name);
    return value;
}

bool BoolOf(const QVariant& stored, const std::string& name) {
    if (stored.typeId() == QMetaType::Bool) return stored.toBool();
    const QString text = stored.toString().trimmed().toLower();
    if (text == "true" || text == "1" || text == "-1") return true;
    if (text == "false" || text == "0") return false;
    Unreadable(name);
}

// The value of `key` as its line in the settings' INI file holds it, or a null text when
// the line is not a plain one (quoted, escaped) or cannot be found.
QString RawIniValue(const QSettings& settings, const QString& key) {
    if (settings.format() != QSettings::IniFormat) return {};
    QFile file(settings.fileName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    const QString path = settings.group().isEmpty() ? key : settings.group() + '/' + key;
    const qsizetype slash = path.indexOf('/');
    const QString section = slash < 0 ? QStringLiteral("General") : path.left(slash);
    const QString name = slash < 0 ? path : path.mid(slash + 1);
    QString current;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (current != section || equals < 0 || line.left(equals).trimmed() != name) continue;
        const QString value = line.mid(equals + 1).trimmed();
        return value.contains('"') || value.contains('\\') ? QString() : value;
    }
    return {};
}

// An INI file reads an unquoted text with commas as a list of texts, and drops the blanks
// around the commas: the text is taken from the file's line as it was written.
QString TextOf(const QVariant& stored, const QSettings& settings, const QString& key) {
    if (stored.typeId() != QMetaType::QStringList) return stored.toString();
    const QString raw = RawIniValue(settings, key);
    return raw.isNull() ? stored.toStringList().join(',') : raw;
}

// Equal as the store compares with a default: of numbers, only the number matters.
bool SameValue(const Variant& a, const Variant& b) {
    const auto numeric = [](VarType t) {
        return t == VarType::Integer || t == VarType::Long || t == VarType::Single || t == VarType::Double;
    };
    return numeric(a.type()) && numeric(b.type()) ? a.number() == b.number() : a == b;
}

// The shortest plain decimal that reads back as the same number, of the value's own
// precision: a file a person edits says "100000", not "1e+05" (both read back).
template <typename Number>
QString NumberText(Number value) {
    char buffer[400];  // the widest double written out in full, with room to spare
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

}  // namespace

Variant QtPropertyBag::ReadProperty(const std::string& name, const Variant& defaultValue) {
    if (!settings_.contains(Key(name))) return defaultValue;
    const QVariant stored = settings_.value(Key(name));
    switch (defaultValue.type()) {
        case VarType::Boolean: return Variant(BoolOf(stored, name));
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double:
        case VarType::Date: return Variant(NumberOf(stored, name));
        case VarType::String:
        case VarType::Empty: return Variant(TextOf(stored, settings_, Key(name)).toStdString());
    }
    return defaultValue;
}

void QtPropertyBag::WriteProperty(const std::string& name, const Variant& value, const Variant& defaultValue) {
    // A value equal to its default is left out: reading gives the default back, of its kind.
    if (SameValue(value, defaultValue)) {
        settings_.remove(Key(name));
        return;
    }
    switch (value.type()) {
        case VarType::Empty: settings_.setValue(Key(name), QString()); break;
        case VarType::Boolean: settings_.setValue(Key(name), value.number() != 0 ? "true" : "false"); break;
        case VarType::Single: settings_.setValue(Key(name), NumberText(static_cast<float>(value.number()))); break;
        case VarType::Integer:
        case VarType::Long:
        case VarType::Double:
        case VarType::Date: settings_.setValue(Key(name), NumberText(value.number())); break;
        case VarType::String: settings_.setValue(Key(name), QString::fromStdString(value.text())); break;
    }
}

Picture QtPropertyBag::ReadPicture(const std::string& name) {
    const QByteArray text = settings_.value(Key(name)).toString().toLatin1();
    if (text.isEmpty()) return {};
    QImage image;
    if (!image.loadFromData(QByteArray::fromBase64(text), "PNG")) Unreadable(name);
    return PictureOfImage(image);
}

void QtPropertyBag::WritePicture(const std::string& name, const Picture& picture) {
    if (picture.isEmpty()) {
        settings_.remove(Key(name));
        return;
    }
    QByteArray png;
    if (const QImage* image = QtPicture::ImageOf(picture)) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image->save(&buffer, "PNG");
    }
    settings_.setValue(Key(name), QString::fromLatin1(png.toBase64()));
}

Font QtPropertyBag::ReadFont(const std::string& name, const Font& defaultFont) {
    if (!settings_.contains(Key(name))) return defaultFont;
    const QStringList parts = settings_.value(Key(name)).toString().split('|');
    Font font;
    font.Name = parts.value(0).toStdString();
    if (font.Name.empty() || parts.size() < 2) Unreadable(name);
    font.Size = static_cast<float>(NumberOf(parts[1], name));
    if (!std::isfinite(font.Size) || font.Size <= 0) Unreadable(name);
    for (const QString& style : parts.mid(2)) {
        if (style == "bold")
            font.Bold = true;
        else if (style == "italic")
            font.Italic = true;
        else if (style == "underline")
            font.Underline = true;
        else if (style == "strikeout")
            font.Strikethrough = true;
        else
            Unreadable(name);
    }
    return font;
}

void QtPropertyBag::WriteFont(const std::string& name, const Font& font, const Font& defaultFont) {
    if (font == defaultFont) {
        settings_.remove(Key(name));
        return;
    }
    QStringList parts{QString::fromStdString(font.Name), NumberText(font.Size)};
    if (font.Bold) parts << "bold";
    if (font.Italic) parts << "italic";
    if (font.Underline) parts << "underline";
    if (font.Strikethrough) parts << "strikeout";
    settings_.setValue(Key(name), parts.join('|'));
}

}  // namespace tesmo
