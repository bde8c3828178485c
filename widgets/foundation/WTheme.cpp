#include "WTheme.h"

#include "WAliveGuard_p.h"
#include "WBase.h"
#include "WDesktopScheme_p.h"
#include "WThemeSheet_p.h"
#include "WTheme_p.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QWidget>

struct WThemePrivate;

namespace {

struct Scope
{
    QString name;
    std::shared_ptr<const WThemeSheet> sheet;
};

// What a theme did to one widget: the values it wrote, so that a later value that differs tells
// of the application's own choice, and the properties the application chose.
struct Record
{
    const WThemeSheet* sheet = nullptr;
    QHash<QByteArray, QVariant> written;
    QSet<QByteArray> chosen;
};

bool inUse = false;
QSet<const QWidget*> parts;
WThemePrivate* live = nullptr;

// Pictures compare by content key: a pixmap read back is a copy that equals nothing by value.
bool same(const QVariant& a, const QVariant& b)
{
    if (a.userType() == QMetaType::QPixmap && b.userType() == QMetaType::QPixmap)
        return a.value<QPixmap>().cacheKey() == b.value<QPixmap>().cacheKey();
    return a == b;
}

const QByteArray focusRing = QByteArrayLiteral("FocusRingColor");

// What a declaration names: a writable property, or a colour that a class lets a theme reach
// through an invokable pair `Name()` / `SetName(QColor)` where it keeps no property for it.
struct Accessor
{
    QByteArray name;
    QMetaProperty property;
    QMetaMethod get;
    QMetaMethod set;

    static Accessor Of(const QMetaObject* mo, const QByteArray& name)
    {
        Accessor a;
        a.name = name;
        const int index = mo->indexOfProperty(name.constData());
        if (index >= 0) {
            a.property = mo->property(index);
            return a;
        }
        const int get = mo->indexOfMethod(name + "()");
        const int set = mo->indexOfMethod("Set" + name + "(QColor)");
        if (get >= 0 && set >= 0 && mo->method(get).returnType() == QMetaType::QColor) {
            a.get = mo->method(get);
            a.set = mo->method(set);
        }
        return a;
    }
    bool Writable() const { return property.isValid() ? property.isWritable() : set.isValid(); }
    QVariant Convert(const QString& value) const
    {
        if (property.isValid())
            return WThemeSheet::Convert(value, property);
        const QColor color = WThemeSheet::ParseColor(value);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    QVariant Read(QObject* o) const
    {
        if (property.isValid())
            return property.read(o);
        QColor color;
        get.invoke(o, Qt::DirectConnection, Q_RETURN_ARG(QColor, color));
        return color;
    }
    void Write(QObject* o, const QVariant& value) const
    {
        if (property.isValid())
            property.write(o, value);
        else
            set.invoke(o, Qt::DirectConnection, Q_ARG(QColor, value.value<QColor>()));
    }
};

} // namespace

struct WThemePrivate
{
    Scope app;
    QHash<const QWidget*, Scope> roots;
    QHash<const QWidget*, Record> records;
    QStringList errors;
    std::unique_ptr<WDesktopScheme> desktop;
    // What a fresh widget of each class holds: a theme's values replace only those.
    QHash<const QMetaObject*, QHash<QByteArray, QVariant>> pristine;
    int makingPristine = 0;
    QColor focusRingWritten;

    const QHash<QByteArray, QVariant>& Pristine(const QMetaObject* mo);
    const Scope* ScopeOf(const QWidget* widget) const;
    void Theme(QWidget* widget);
    void ThemeTree(QWidget* root);
    void ThemeEverything();
    void ApplyFocusRing();
    static std::shared_ptr<const WThemeSheet> Load(const QString& text, QStringList& errors);
};

const QHash<QByteArray, QVariant>& WThemePrivate::Pristine(const QMetaObject* mo)
{
    auto it = pristine.find(mo);
    if (it != pristine.end())
        return *it;
    QHash<QByteArray, QVariant> values;
    // An application's subclass makes no fresh instance of its own: its nearest library class
    // does, and the subclass's own choices then count as chosen.
    for (const QMetaObject* m = mo; m && values.isEmpty(); m = m->superClass()) {
        if (m->constructorCount() == 0)
            continue;
        // Made and deleted out of every theme's sight: a form re-parents itself as it goes.
        ++makingPristine;
        QObject* fresh = m->newInstance(Q_ARG(QWidget*, nullptr));
        for (int i = 0; fresh && i < m->propertyCount(); ++i) {
            const QMetaProperty p = m->property(i);
            if (p.isWritable())
                values.insert(p.name(), p.read(fresh));
        }
        for (int i = 0; fresh && i < m->methodCount(); ++i) {
            const QByteArray name = m->method(i).name();
            const Accessor a = Accessor::Of(m, name.mid(3));
            if (name.startsWith("Set") && a.set.isValid())
                values.insert(name.mid(3), a.Read(fresh));
        }
        delete fresh;
        --makingPristine;
    }
    return *pristine.insert(mo, values);
}

const Scope* WThemePrivate::ScopeOf(const QWidget* widget) const
{
    if (!roots.isEmpty()) {
        for (const QWidget* w = widget; w; w = w->parentWidget()) {
            auto it = roots.constFind(w);
            if (it != roots.constEnd())
                return &*it;
        }
    }
    return app.sheet ? &app : nullptr;
}

void WThemePrivate::Theme(QWidget* widget)
{
    if (makingPristine || parts.contains(widget))
        return;
    const Scope* scope = ScopeOf(widget);
    const WThemeSheet* sheet = scope ? scope->sheet.get() : nullptr;
    if (!sheet && !records.contains(widget))
        return;
    const QMetaObject* mo = widget->metaObject();
    const QHash<QByteArray, QVariant>& fresh = Pristine(mo);
    Record& record = records[widget];
    // A setter may emit, and a slot delete the widget, whose record then goes with it.
    const WAliveGuard alive(widget);

    // The values the sheet gives, the last matching declaration of each property winning.
    QHash<QByteArray, QPair<Accessor, QVariant>> wanted;
    if (sheet) {
        for (const WThemeSheet::Declaration& decl : sheet->Matching(widget)) {
            const Accessor a = Accessor::Of(mo, decl.property);
            const QVariant value = a.Writable() ? a.Convert(decl.value) : QVariant();
            if (value.isValid())
                wanted.insert(decl.property, {a, value});
        }
    }

    // What the theme set before and sets no more goes back to the class's value, unless the
    // application has changed it since. Writes wait until the record is no longer walked: a
    // write may end the widget.
    QVector<QPair<Accessor, QVariant>> writes;
    for (auto it = record.written.begin(); it != record.written.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        const Accessor a = Accessor::Of(mo, it.key());
        const auto def = fresh.constFind(it.key());
        if (def != fresh.constEnd() && same(a.Read(widget), it.value()))
            writes.append({a, *def});
        it = record.written.erase(it);
    }
    for (auto it = wanted.constBegin(); it != wanted.constEnd(); ++it) {
        if (record.chosen.contains(it.key()))
            continue;
        const Accessor& a = it.value().first;
        const QVariant current = a.Read(widget);
        const auto written = record.written.constFind(it.key());
        const auto def = fresh.constFind(it.key());
        const bool ours = written != record.written.constEnd() ? same(current, *written)
                          : def != fresh.constEnd()            ? same(current, *def)
                                                               : true;
        if (!ours) {
            record.chosen.insert(it.key());
            record.written.remove(it.key());
            continue;
        }
        if (!same(current, it.value().second))
            writes.append(it.value());
        // What the setter keeps of it (a clamp) is read back once written, below.
        record.written.insert(it.key(), it.value().second);
    }
    record.sheet = sheet;
    if (!sheet && record.written.isEmpty() && record.chosen.isEmpty())
        records.remove(widget);
    for (const auto& write : writes) {
        const Accessor& a = write.first;
        a.Write(widget, write.second);
        if (!alive)
            return;
        auto found = records.find(widget);
        if (found != records.end() && found->written.contains(a.name))
            found->written.insert(a.name, a.Read(widget));
    }
}

// A slot behind one widget's setter may delete others of the list: each is asked first.
void WThemePrivate::ThemeTree(QWidget* root)
{
    QVector<QPointer<QWidget>> all;
    if (qobject_cast<WBase*>(root))
        all << root;
    for (WBase* child : root->findChildren<WBase*>())
        all << child;
    for (const QPointer<QWidget>& widget : all) {
        if (widget)
            Theme(widget);
    }
}

void WThemePrivate::ThemeEverything()
{
    QVector<QPointer<QWidget>> all;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (qobject_cast<WBase*>(widget))
            all << widget;
    }
    for (const QPointer<QWidget>& widget : all) {
        if (widget)
            Theme(widget);
    }
}

// The focus ring is one colour for the whole application: only the application's theme sets
// it, from a `WBase` rule, and leaves it alone once the application has chosen its own.
void WThemePrivate::ApplyFocusRing()
{
    QColor wanted;
    if (app.sheet) {
        for (const WThemeSheet::Rule& rule : app.sheet->Rules()) {
            if (rule.selector != QLatin1String("WBase"))
                continue;
            for (const WThemeSheet::Declaration& decl : rule.declarations) {
                if (decl.property == focusRing)
                    wanted = WThemeSheet::ParseColor(decl.value);
            }
        }
    }
    const QColor current = WBase::FocusRingColor();
    if (current != focusRingWritten)
        return;
    WBase::SetFocusRingColor(wanted);
    focusRingWritten = wanted;
}

std::shared_ptr<const WThemeSheet> WThemePrivate::Load(const QString& text, QStringList& errors)
{
    std::shared_ptr<const WThemeSheet> sheet = WThemeSheet::Parse(text);
    errors = sheet->Errors();
    return sheet;
}

WTheme::WTheme() : d(std::make_unique<WThemePrivate>())
{
    live = d.get();
}

WTheme::~WTheme()
{
    live = nullptr;
}

WTheme* WTheme::Instance()
{
    // Lives as long as the application: the connections it holds belong to no window.
    static QPointer<WTheme> instance;
    if (!instance) {
        instance = new WTheme;
        if (QCoreApplication::instance())
            instance->setParent(QCoreApplication::instance());
    }
    return instance;
}

QStringList WTheme::BuiltInThemes()
{
    return {QStringLiteral("light"), QStringLiteral("dark")};
}

QString WTheme::BuiltInSheet(const QString& name)
{
    if (!BuiltInThemes().contains(name))
        return QString();
    QFile file(QStringLiteral(":/Themes/%1.qss").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool WTheme::Apply(const QString& nameOrFile, QWidget* root)
{
    if (BuiltInThemes().contains(nameOrFile))
        return ApplySheet(BuiltInSheet(nameOrFile), nameOrFile, root);
    QFile file(nameOrFile);
    if (!file.open(QIODevice::ReadOnly)) {
        d->errors =
            QStringList(QStringLiteral("cannot read %1: %2").arg(nameOrFile, file.errorString()));
        return false;
    }
    return ApplySheet(QString::fromUtf8(file.readAll()), nameOrFile, root);
}

bool WTheme::ApplySheet(const QString& sheet, const QString& name, QWidget* root)
{
    Scope scope{name, WThemePrivate::Load(sheet, d->errors)};
    inUse = true;
    if (!root) {
        d->app = scope;
        d->ApplyFocusRing();
        d->ThemeEverything();
        emit ThemeChanged(name);
        return true;
    }
    if (!d->roots.contains(root)) {
        connect(root, &QObject::destroyed, this,
                [this, root] { d->roots.remove(static_cast<const QWidget*>(root)); });
    }
    d->roots.insert(root, scope);
    d->ThemeTree(root);
    return true;
}

void WTheme::Clear(QWidget* root)
{
    if (!root) {
        if (!d->app.sheet)
            return;
        d->app = Scope();
        d->ApplyFocusRing();
        d->ThemeEverything();
        emit ThemeChanged(QString());
        return;
    }
    if (d->roots.remove(root) == 0)
        return;
    disconnect(root, &QObject::destroyed, this, nullptr);
    d->ThemeTree(root);
}

QString WTheme::Active(const QWidget* widget) const
{
    const Scope* scope = widget ? d->ScopeOf(widget) : (d->app.sheet ? &d->app : nullptr);
    return scope ? scope->name : QString();
}

QStringList WTheme::LastErrors() const
{
    return d->errors;
}

void WTheme::SetFollowDesktop(bool follow)
{
    if (follow == bool(d->desktop))
        return;
    if (!follow) {
        d->desktop.reset();
        return;
    }
    d->desktop = WDesktopScheme::Create();
    const auto take = [this](WDesktopScheme::Scheme scheme) {
        if (scheme == WDesktopScheme::Scheme::Unknown)
            return;
        const bool dark = scheme == WDesktopScheme::Scheme::Dark;
        const WAliveGuard alive(this);
        Apply(dark ? QStringLiteral("dark") : QStringLiteral("light"));
        if (alive)
            emit DesktopSchemeChanged(dark);
    };
    connect(d->desktop.get(), &WDesktopScheme::Changed, this, take);
    take(d->desktop->Current());
}

bool WTheme::FollowDesktop() const
{
    return bool(d->desktop);
}

bool WThemeHooks::InUse()
{
    return inUse;
}

void WThemeHooks::Refresh(QWidget* widget, bool children)
{
    if (!live)
        return;
    if (children)
        live->ThemeTree(widget);
    else
        live->Theme(widget);
}

void WThemeHooks::Forget(const QWidget* widget)
{
    if (!parts.isEmpty())
        parts.remove(widget);
    if (live && inUse)
        live->records.remove(widget);
}

void WThemeHooks::MarkPart(QWidget* part)
{
    parts.insert(part);
}
