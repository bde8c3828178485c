#include "WThemeSheet_p.h"

#include <QIcon>
#include <QImage>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QSize>

#include <algorithm>

namespace {

struct Attribute
{
    QByteArray name;
    QString value;
    bool word = false; // ~=: one of the words of the value
};

struct Compound
{
    QByteArray type; // empty for *
    bool exact = false;
    QString id;
    QVector<Attribute> attributes;
    bool child = false; // joined to the compound on its left by >, else by a descendant space
};

struct Selector
{
    QVector<Compound> parts;
    int specificity = 0;
    int rule = 0;
};

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
}

QString readName(const QString& s, int& i)
{
    const int from = i;
    while (i < s.size() && isNameChar(s.at(i)))
        ++i;
    return s.mid(from, i - from);
}

// One selector of a list; false for what sheets may hold but themes cannot use.
bool compile(const QString& text, Selector& out, QString& why)
{
    const QString s = text.trimmed();
    int i = 0;
    bool child = false;
    while (i < s.size()) {
        while (i < s.size() && s.at(i).isSpace())
            ++i;
        if (i < s.size() && s.at(i) == QLatin1Char('>')) {
            if (out.parts.isEmpty() || child) {
                why = QStringLiteral("misplaced '>'");
                return false;
            }
            child = true;
            ++i;
            continue;
        }
        if (i >= s.size())
            break;
        Compound c;
        c.child = child && !out.parts.isEmpty();
        child = false;
        bool any = false;
        while (i < s.size() && !s.at(i).isSpace() && s.at(i) != QLatin1Char('>')) {
            const QChar ch = s.at(i);
            if (ch == QLatin1Char('*')) {
                ++i;
                any = true;
            } else if (ch == QLatin1Char('.') || isNameChar(ch)) {
                c.exact = ch == QLatin1Char('.');
                i += c.exact ? 1 : 0;
                c.type = readName(s, i).toLatin1();
                if (c.type.isEmpty()) {
                    why = QStringLiteral("empty class name");
                    return false;
                }
                out.specificity += 1;
            } else if (ch == QLatin1Char('#')) {
                ++i;
                c.id = readName(s, i);
                out.specificity += 10000;
            } else if (ch == QLatin1Char('[')) {
                const int close = s.indexOf(QLatin1Char(']'), i);
                if (close < 0) {
                    why = QStringLiteral("unclosed '['");
                    return false;
                }
                const QString inner = s.mid(i + 1, close - i - 1);
                i = close + 1;
                static const QRegularExpression attr(
                    QStringLiteral("^\\s*([A-Za-z_][\\w-]*)\\s*(~?=)\\s*(\"([^\"]*)\"|'([^']*)'|"
                                   "([\\w-]+))\\s*$"));
                const QRegularExpressionMatch m = attr.match(inner);
                if (!m.hasMatch()) {
                    why = QStringLiteral("attribute [%1] not understood").arg(inner);
                    return false;
                }
                Attribute a;
                a.name = m.captured(1).toLatin1();
                a.word = m.captured(2) == QLatin1String("~=");
                a.value = m.captured(4) + m.captured(5) + m.captured(6);
                c.attributes << a;
                out.specificity += 100;
            } else if (ch == QLatin1Char(':')) {
                why = QStringLiteral("pseudo-states are not properties");
                return false;
            } else {
                why = QStringLiteral("unexpected '%1'").arg(ch);
                return false;
            }
        }
        Q_UNUSED(any);
        out.parts << c;
    }
    if (child || out.parts.isEmpty()) {
        why = QStringLiteral("empty selector");
        return false;
    }
    return true;
}

bool matchAttribute(const QObject* object, const Attribute& a)
{
    const QVariant v = object->property(a.name.constData());
    if (!v.isValid())
        return false;
    if (a.word) {
        const QStringList words = v.toStringList().size() > 1
                                      ? v.toStringList()
                                      : v.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return words.contains(a.value);
    }
    return v.toString() == a.value;
}

bool matchCompound(const QObject* object, const Compound& c)
{
    if (!c.type.isEmpty()) {
        if (c.exact ? qstrcmp(object->metaObject()->className(), c.type.constData()) != 0
                    : !object->inherits(c.type.constData()))
            return false;
    }
    if (!c.id.isEmpty() && object->objectName() != c.id)
        return false;
    for (const Attribute& a : c.attributes) {
        if (!matchAttribute(object, a))
            return false;
    }
    return true;
}

// Right to left, trying every ancestor for a descendant step: a greedy walk misses chains such
// as `A > B C` where the nearest B is not A's child.
bool matchFrom(const QObject* object, const QVector<Compound>& parts, int index)
{
    if (!matchCompound(object, parts.at(index)))
        return false;
    if (index == 0)
        return true;
    const QObject* up = object->parent();
    if (parts.at(index).child)
        return up && matchFrom(up, parts, index - 1);
    for (; up; up = up->parent()) {
        if (matchFrom(up, parts, index - 1))
            return true;
    }
    return false;
}

QString stripComments(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char('/') && i + 1 < text.size() &&
            text.at(i + 1) == QLatin1Char('*')) {
            const int end = text.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? text.size() : end + 2;
            out += QLatin1Char(' ');
            continue;
        }
        out += text.at(i++);
    }
    return out;
}

QString unquote(const QString& value)
{
    if (value.size() >= 2 &&
        (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))) &&
        value.endsWith(value.at(0)))
        return value.mid(1, value.size() - 2);
    return value;
}

// Plain numbers, with the units sheets write after lengths.
QVector<double> numbers(const QString& value)
{
    QVector<double> out;
    QString v = value;
    v.replace(QLatin1Char(','), QLatin1Char(' '));
    for (QString part : v.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (part.endsWith(QLatin1String("px")))
            part.chop(2);
        bool ok = false;
        const double n = part.toDouble(&ok);
        if (!ok)
            return {};
        out << n;
    }
    return out;
}

int channel(QString part, bool alpha)
{
    part = part.trimmed();
    bool ok = false;
    if (part.endsWith(QLatin1Char('%'))) {
        part.chop(1);
        const double p = part.toDouble(&ok);
        return ok ? qBound(0, qRound(p * 255 / 100), 255) : -1;
    }
    const double n = part.toDouble(&ok);
    if (!ok)
        return -1;
    // Web sheets write alpha as a fraction, Qt's as 0 to 255: a number with a point is the
    // former.
    if (alpha && part.contains(QLatin1Char('.')))
        return qBound(0, qRound(n * 255), 255);
    return qBound(0, qRound(n), 255);
}

} // namespace

struct WThemeSheet::Compiled
{
    QVector<Rule> rules;
    QVector<Selector> selectors;
    QStringList errors;
};

WThemeSheet::WThemeSheet() : c(std::make_unique<Compiled>()) {}
WThemeSheet::~WThemeSheet() = default;

std::unique_ptr<WThemeSheet> WThemeSheet::Parse(const QString& text)
{
    std::unique_ptr<WThemeSheet> sheet(new WThemeSheet);
    Compiled& c = *sheet->c;
    const QString s = stripComments(text);
    int i = 0;
    while (i < s.size()) {
        const int open = s.indexOf(QLatin1Char('{'), i);
        if (open < 0) {
            if (!s.mid(i).trimmed().isEmpty())
                c.errors << QStringLiteral("text after the last rule: %1").arg(s.mid(i).trimmed());
            break;
        }
        const int close = s.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            c.errors << QStringLiteral("unclosed rule: %1").arg(s.mid(i, open - i).trimmed());
            break;
        }
        const QString selectors = s.mid(i, open - i);
        const QString body = s.mid(open + 1, close - open - 1);
        i = close + 1;

        QVector<Declaration> declarations;
        for (const QString& item : body.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (item.trimmed().isEmpty())
                continue;
            const int colon = item.indexOf(QLatin1Char(':'));
            if (colon < 0) {
                c.errors << QStringLiteral("declaration without a value: %1").arg(item.trimmed());
                continue;
            }
            const QString name = item.left(colon).trimmed();
            // Declarations for Qt's own widgets may share the sheet: they are not ours to read.
            if (!name.startsWith(QLatin1String("qproperty-")))
                continue;
            declarations << Declaration{name.mid(10).toLatin1(), item.mid(colon + 1).trimmed()};
        }
        for (const QString& one : selectors.split(QLatin1Char(','))) {
            Selector compiled;
            QString why;
            if (!compile(one, compiled, why)) {
                c.errors << QStringLiteral("selector \"%1\": %2").arg(one.trimmed(), why);
                continue;
            }
            compiled.rule = c.rules.size();
            c.selectors << compiled;
            c.rules << Rule{one.trimmed(), declarations};
        }
    }
    return sheet;
}

const QVector<WThemeSheet::Rule>& WThemeSheet::Rules() const
{
    return c->rules;
}

const QStringList& WThemeSheet::Errors() const
{
    return c->errors;
}

QVector<WThemeSheet::Declaration> WThemeSheet::Matching(const QObject* object) const
{
    QVector<const Selector*> hits;
    if (!object)
        return {};
    for (const Selector& selector : c->selectors) {
        if (matchFrom(object, selector.parts, selector.parts.size() - 1))
            hits << &selector;
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Selector* a, const Selector* b) {
        return a->specificity < b->specificity;
    });
    QVector<Declaration> out;
    for (const Selector* hit : hits)
        out += c->rules.at(hit->rule).declarations;
    return out;
}

QColor WThemeSheet::ParseColor(const QString& value)
{
    const QString v = unquote(value.trimmed());
    if (v.compare(QLatin1String("transparent"), Qt::CaseInsensitive) == 0)
        return QColor(Qt::transparent);
    static const QRegularExpression function(QStringLiteral("^(rgba?)\\s*\\(([^)]*)\\)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = function.match(v);
    if (m.hasMatch()) {
        const QStringList parts = m.captured(2).split(QLatin1Char(','));
        const bool withAlpha = m.captured(1).size() == 4;
        if (parts.size() != (withAlpha ? 4 : 3))
            return QColor();
        int rgba[4] = {0, 0, 0, 255};
        for (int k = 0; k < parts.size(); ++k) {
            rgba[k] = channel(parts.at(k), k == 3);
            if (rgba[k] < 0)
                return QColor();
        }
        return QColor(rgba[0], rgba[1], rgba[2], rgba[3]);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0)
    return QColor::isValidColorName(v) ? QColor::fromString(v) : QColor();
#else
    return QColor::isValidColor(v) ? QColor(v) : QColor();
#endif
}

QVariant WThemeSheet::Convert(const QString& value, const QMetaProperty& property)
{
    const QString v = value.trimmed();
    if (property.isEnumType()) {
        bool ok = false;
        const QByteArray keys = unquote(v).toLatin1().replace(' ', "");
        const QMetaEnum e = property.enumerator();
        const int n =
            e.isFlag() ? e.keysToValue(keys.constData(), &ok) : e.keyToValue(keys.constData(), &ok);
        if (ok)
            return QVariant(n);
        const int plain = v.toInt(&ok);
        return ok ? QVariant(plain) : QVariant();
    }
    const QVector<double> n = numbers(v);
    switch (property.userType()) {
    case QMetaType::QColor: {
        const QColor color = ParseColor(v);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return n.size() == 1 && qAbs(n.at(0)) < 2e9 ? QVariant(qRound(n.at(0))) : QVariant();
    case QMetaType::Double:
    case QMetaType::Float:
        return n.size() == 1 ? QVariant(n.at(0)) : QVariant();
    case QMetaType::Bool: {
        const QString b = v.toLower();
        if (b == QLatin1String("true") || b == QLatin1String("1"))
            return QVariant(true);
        if (b == QLatin1String("false") || b == QLatin1String("0"))
            return QVariant(false);
        return QVariant();
    }
    case QMetaType::QString:
        return QVariant(unquote(v));
    case QMetaType::QSize:
        return n.size() == 2 ? QVariant(QSize(qRound(n.at(0)), qRound(n.at(1)))) : QVariant();
    case QMetaType::QPoint:
        return n.size() == 2 ? QVariant(QPoint(qRound(n.at(0)), qRound(n.at(1)))) : QVariant();
    case QMetaType::QRect:
        return n.size() == 4 ? QVariant(QRect(qRound(n.at(0)), qRound(n.at(1)), qRound(n.at(2)),
                                              qRound(n.at(3))))
                             : QVariant();
    case QMetaType::QPixmap:
    case QMetaType::QImage: {
        static const QRegularExpression url(QStringLiteral("^url\\((.*)\\)$"));
        const QRegularExpressionMatch m = url.match(v);
        const QString path = unquote(m.hasMatch() ? m.captured(1).trimmed() : v);
        if (path.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
            return property.userType() == QMetaType::QPixmap ? QVariant(QPixmap())
                                                             : QVariant(QImage());
        const QImage image(path);
        if (image.isNull())
            return QVariant();
        return property.userType() == QMetaType::QPixmap ? QVariant(QPixmap::fromImage(image))
                                                         : QVariant(image);
    }
    default:
        return QVariant();
    }
}
