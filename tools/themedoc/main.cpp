// Writes the theme property reference (Markdown) to standard output, or with --check FILE says
// whether FILE holds exactly that. Read from the meta-objects, so that a property added,
// renamed or given another theme value shows up as a difference instead of going stale.
#include "WButton.h"
#include "WCheckBox.h"
#include "WComboBox.h"
#include "WForm.h"
#include "WGridList.h"
#include "WHourMinutePicker.h"
#include "WItemList.h"
#include "WLabel.h"
#include "WLineEdit.h"
#include "WMenu.h"
#include "WPanel.h"
#include "WProgressBar.h"
#include "WScrollPanel.h"
#include "WSwitchButton.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTheme.h"
#include "WTrackBar.h"
#include "WTreeView.h"

#include <QApplication>
#include <QFile>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

QString shownColour(const QColor& c)
{
    if (!c.isValid())
        return QStringLiteral("none");
    return c.alpha() == 255 ? c.name().toUpper() : c.name(QColor::HexArgb).toUpper();
}

// As the headers write it: Qt 6 names a flags type by its template.
QString typeOf(const QMetaProperty& p)
{
    if (!p.isEnumType())
        return QString::fromLatin1(p.typeName());
    return QString::fromLatin1(p.enumerator().scope()) + QStringLiteral("::") +
           QString::fromLatin1(p.enumerator().name());
}

QString shown(const QMetaProperty& p, const QObject* o)
{
    const QVariant v = p.read(o);
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        const QByteArray keys =
            e.isFlag() ? e.valueToKeys(v.toInt()) : QByteArray(e.valueToKey(v.toInt()));
        // A pipe would end the table's cell.
        return keys.isEmpty()
                   ? QString::number(v.toInt())
                   : QString::fromLatin1(keys).replace(QLatin1Char('|'), QStringLiteral(" \\| "));
    }
    if (v.userType() == QMetaType::QColor)
        return shownColour(v.value<QColor>());
    // A font's name and size come from the machine's configuration, not from the class.
    if (v.userType() == QMetaType::QFont)
        return QStringLiteral("a font");
    if (v.userType() == QMetaType::QPixmap)
        return QStringLiteral("image");
    if (v.userType() == QMetaType::QSize)
        return QStringLiteral("%1 %2").arg(v.toSize().width()).arg(v.toSize().height());
    if (v.userType() == QMetaType::QPoint)
        return QStringLiteral("%1 %2").arg(v.toPoint().x()).arg(v.toPoint().y());
    return v.toString();
}

// A class's properties from its first library base down, with what each built-in theme gives.
QString section(const QMetaObject* meta)
{
    std::unique_ptr<QObject> plain(meta->newInstance(Q_ARG(QWidget*, nullptr)));
    std::unique_ptr<QObject> light(meta->newInstance(Q_ARG(QWidget*, nullptr)));
    std::unique_ptr<QObject> dark(meta->newInstance(Q_ARG(QWidget*, nullptr)));
    WTheme::Instance()->Apply(QStringLiteral("light"), static_cast<QWidget*>(light.get()));
    WTheme::Instance()->Apply(QStringLiteral("dark"), static_cast<QWidget*>(dark.get()));
    QString out = QStringLiteral("## %1\n\n| Property | Type | Default | light | dark |\n"
                                 "|---|---|---|---|---|\n")
                      .arg(QString::fromLatin1(meta->className()));
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isWritable())
            continue;
        const QString def = shown(p, plain.get());
        const QString l = shown(p, light.get());
        const QString d = shown(p, dark.get());
        out += QStringLiteral("| `%1` | %2 | %3 | %4 | %5 |\n")
                   .arg(QString::fromLatin1(p.name()), typeOf(p), def,
                        l == def ? QStringLiteral("") : l, d == def ? QStringLiteral("") : d);
    }
    // Colours a class keeps out of its properties but lets a theme reach, by invokable pairs.
    for (int i = QWidget::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod set = meta->method(i);
        const QByteArray name = set.name().mid(3);
        const int get = meta->indexOfMethod(name + "()");
        if (!set.name().startsWith("Set") || set.parameterCount() != 1 ||
            set.parameterType(0) != QMetaType::QColor || get < 0)
            continue;
        const auto read = [&](QObject* o) {
            QColor c;
            meta->method(get).invoke(o, Qt::DirectConnection, Q_RETURN_ARG(QColor, c));
            return shownColour(c);
        };
        const QString def = read(plain.get());
        const QString l = read(light.get());
        const QString d = read(dark.get());
        out += QStringLiteral("| `%1` | QColor (not a property) | %2 | %3 | %4 |\n")
                   .arg(QString::fromLatin1(name), def, l == def ? QString() : l,
                        d == def ? QString() : d);
    }
    return out + QLatin1Char('\n');
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QMetaObject* classes[] = {
        &WPanel::staticMetaObject,       &WScrollPanel::staticMetaObject,
        &WForm::staticMetaObject,        &WButton::staticMetaObject,
        &WCheckBox::staticMetaObject,    &WSwitchButton::staticMetaObject,
        &WLabel::staticMetaObject,       &WLineEdit::staticMetaObject,
        &WComboBox::staticMetaObject,    &WItemList::staticMetaObject,
        &WGridList::staticMetaObject,    &WMenu::staticMetaObject,
        &WTreeView::staticMetaObject,    &WTabControl::staticMetaObject,
        &WTabPage::staticMetaObject,     &WHourMinutePicker::staticMetaObject,
        &WProgressBar::staticMetaObject, &WTrackBar::staticMetaObject,
    };
    QString text = QStringLiteral(
        "# Theme properties\n\n"
        "Generated by `tools/themedoc` from the classes' meta-objects; a test fails when it is\n"
        "out of date. Every writable property below can be set from a theme as\n"
        "`qproperty-Name`. The light and dark columns show what the built-in themes give a\n"
        "widget of exactly that class, where it differs from the class default.\n\n");
    for (const QMetaObject* meta : classes)
        text += section(meta);

    if (argc == 3 && qstrcmp(argv[1], "--check") == 0) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::ReadOnly) || QString::fromUtf8(file.readAll()) != text) {
            std::fprintf(stderr, "%s is out of date: regenerate it with themedoc > %s\n", argv[2],
                         argv[2]);
            return 1;
        }
        return 0;
    }
    QTextStream(stdout) << text;
    return 0;
}
