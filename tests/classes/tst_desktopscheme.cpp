// The desktop's light or dark preference as the freedesktop settings portal tells it. ctest runs
// this file on a bus of its own (dbus-run-session); a fake portal answers there on a second
// connection, so that every call and every signal goes through the bus daemon as a real portal's
// would. Last, the application's theme following the preference from end to end.
#include "WDesktopScheme_p.h"
#include "WTestSuite.h"
#include "WTheme.h"
#include "WThemeSheet_p.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QMutex>
#include <QProcess>
#include <QScopeGuard>

using Scheme = WDesktopScheme::Scheme;
Q_DECLARE_METATYPE(WDesktopScheme::Scheme)

namespace {

QString portalService()
{
    return QStringLiteral("org.freedesktop.portal.Desktop");
}
QString portalPath()
{
    return QStringLiteral("/org/freedesktop/portal/desktop");
}
QString settingsInterface()
{
    return QStringLiteral("org.freedesktop.portal.Settings");
}
QString appearance()
{
    return QStringLiteral("org.freedesktop.appearance");
}
QString colorSchemeKey()
{
    return QStringLiteral("color-scheme");
}

QString nameOf(Scheme scheme)
{
    switch (scheme) {
    case Scheme::Light:
        return QStringLiteral("light");
    case Scheme::Dark:
        return QStringLiteral("dark");
    default:
        return QStringLiteral("unknown");
    }
}

// The schemes a source told, in order.
QStringList told(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& arguments : spy)
        names << nameOf(arguments.at(0).value<Scheme>());
    return names;
}

// The fake portal's own connection: calls to it from the source's connection (the session bus)
// go through the daemon.
QDBusConnection portalBus()
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QStringLiteral("fake-portal"));
}

// What a portal answers for color-scheme: `value` as it is (a uint32 unless a case says
// otherwise); no value at all is a setting the portal does not know, with the error a real one
// sends. Any other setting asked for is not known either.
QDBusVariant answer(const QDBusContext& context, const QVariant& value, const QString& space,
                    const QString& key)
{
    if (space != appearance() || key != colorSchemeKey() || !value.isValid()) {
        context.sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                               QStringLiteral("Requested setting not found"));
        return {};
    }
    return QDBusVariant(value);
}

class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QVariant value;
    int reads = 0;
    // While on, the next read is held back until Answer() sends it: a portal slow to answer.
    bool hold = false;
    QDBusMessage held;

    void Answer() { portalBus().send(held.createReply(QVariant::fromValue(QDBusVariant(value)))); }

public slots:
    QDBusVariant ReadOne(const QString& space, const QString& key)
    {
        ++reads;
        if (hold) {
            setDelayedReply(true);
            held = message();
            return {};
        }
        return answer(*this, value, space, key);
    }
    // The value in one variant more, as the portal's first version answers.
    QDBusVariant Read(const QString& space, const QString& key)
    {
        ++reads;
        return QDBusVariant(QVariant::fromValue(answer(*this, value, space, key)));
    }

signals:
    void SettingChanged(const QString& space, const QString& key, const QDBusVariant& value);
};

// A portal from before ReadOne: asked for it, the bus answers that there is no such method.
class OldPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QVariant value;
    int reads = 0;

public slots:
    QDBusVariant Read(const QString& space, const QString& key)
    {
        ++reads;
        return QDBusVariant(QVariant::fromValue(answer(*this, value, space, key)));
    }

signals:
    void SettingChanged(const QString& space, const QString& key, const QDBusVariant& value);
};

// Waits until everything the portal sent the source's connection so far has reached the source:
// a call over the same two connections is answered after it, by the portal or, when none is on
// the bus, by the daemon.
bool settle()
{
    const QDBusPendingCall ping =
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            portalService(), QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.Peer"),
            QStringLiteral("Ping")));
    if (!QTest::qWaitFor([&] { return ping.isFinished(); }, 10000))
        return false;
    QCoreApplication::processEvents();
    return true;
}

// The warnings logged while it lives, from any thread.
class Warnings
{
public:
    Warnings()
    {
        caught = &list;
        previous = qInstallMessageHandler(&Warnings::handle);
    }
    ~Warnings()
    {
        qInstallMessageHandler(previous);
        QMutexLocker lock(&mutex);
        caught = nullptr;
    }
    QStringList All() const
    {
        QMutexLocker lock(&mutex);
        return list;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            QMutexLocker lock(&mutex);
            if (caught)
                caught->append(message);
        }
        if (previous)
            previous(type, context, message);
    }

    QStringList list;
    static inline QStringList* caught = nullptr;
    static inline QtMessageHandler previous = nullptr;
    static inline QMutex mutex;
};

} // namespace

class TestDesktopScheme : public QObject
{
    Q_OBJECT

    std::unique_ptr<QObject> portal;

    // Puts portal on the bus under the portal's name and path.
    template <class Portal> Portal* publish(std::unique_ptr<Portal> made)
    {
        Portal* raw = made.get();
        portal = std::move(made);
        QDBusConnection bus = portalBus();
        if (!bus.registerObject(portalPath(), raw,
                                QDBusConnection::ExportAllSlots |
                                    QDBusConnection::ExportAllSignals) ||
            !bus.registerService(portalService()))
            return nullptr;
        return raw;
    }

    template <class Portal> Portal* publish(const QVariant& value)
    {
        auto made = std::make_unique<Portal>();
        made->value = value;
        return publish(std::move(made));
    }

    // A portal answering dark and a source that has told so.
    struct Dark
    {
        FakePortal* portal;
        std::unique_ptr<WDesktopScheme> source;
        std::unique_ptr<QSignalSpy> spy;
    };
    bool startDark(Dark& dark)
    {
        dark.portal = publish<FakePortal>(QVariant(1u));
        if (!dark.portal)
            return false;
        dark.source = WDesktopScheme::Create();
        dark.spy = std::make_unique<QSignalSpy>(dark.source.get(), &WDesktopScheme::Changed);
        return QTest::qWaitFor([&] { return dark.spy->count() == 1; }) &&
               dark.source->Current() == Scheme::Dark;
    }

    // Sends a SettingChanged signal with these arguments as they are, from the portal's name.
    static void send(const QVariantList& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath(), settingsInterface(),
                                                         QStringLiteral("SettingChanged"));
        signal.setArguments(arguments);
        portalBus().send(signal);
    }

    static QVariantList setting(const QString& space, const QString& key, const QVariant& value)
    {
        return {space, key, QVariant::fromValue(QDBusVariant(value))};
    }

private slots:
    void initTestCase() { qRegisterMetaType<WDesktopScheme::Scheme>(); }

    // Every case but the one without a bus needs the bus dbus-run-session starts (ctest runs the
    // file under it). Without one, CI fails at once; elsewhere the cases are skipped.
    void init()
    {
        if (QByteArray(QTest::currentTestFunction()) == "noBus")
            return;
        if (!QDBusConnection::sessionBus().isConnected()) {
            if (qgetenv("CI") == "true")
                QFAIL("no session bus: run this test through ctest, which starts one with "
                      "dbus-run-session (from the dbus-daemon package)");
            QSKIP("no session bus: ctest starts one with dbus-run-session, if it is installed");
        }
    }

    void cleanup()
    {
        if (portal) {
            QDBusConnection bus = portalBus();
            bus.unregisterService(portalService());
            bus.unregisterObject(portalPath());
            portal.reset();
        }
    }

    void firstAnswer_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<Scheme>("expected");

        for (const bool readOnly : {false, true}) {
            const char* method = readOnly ? "only Read" : "ReadOne";
            QTest::addRow("dark, %s", method) << readOnly << QVariant(1u) << Scheme::Dark;
            QTest::addRow("light, %s", method) << readOnly << QVariant(2u) << Scheme::Light;
            QTest::addRow("no preference, %s", method) << readOnly << QVariant(0u) << Scheme::Light;
            QTest::addRow("a string, %s", method)
                << readOnly << QVariant(QStringLiteral("1")) << Scheme::Unknown;
        }
        QTest::newRow("a signed number") << false << QVariant(1) << Scheme::Unknown;
        QTest::newRow("a number without a meaning") << false << QVariant(3u) << Scheme::Unknown;
        QTest::newRow("a setting the portal does not know")
            << false << QVariant() << Scheme::Unknown;
    }

    // The first answer is told once; one that says nothing is not told, warns of nothing and
    // leaves the source Unknown.
    void firstAnswer()
    {
        QFETCH(bool, readOnly);
        QFETCH(QVariant, value);
        QFETCH(Scheme, expected);

        int* reads = nullptr;
        if (readOnly) {
            OldPortal* old = publish<OldPortal>(value);
            QVERIFY(old);
            reads = &old->reads;
        } else {
            FakePortal* fake = publish<FakePortal>(value);
            QVERIFY(fake);
            reads = &fake->reads;
        }
        const Warnings warnings;
        const std::unique_ptr<WDesktopScheme> source = WDesktopScheme::Create();
        QSignalSpy spy(source.get(), &WDesktopScheme::Changed);
        QCOMPARE(nameOf(source->Current()), QStringLiteral("unknown"));

        QTRY_COMPARE(*reads, 1);
        QVERIFY(settle());
        QCOMPARE(nameOf(source->Current()), nameOf(expected));
        QCOMPARE(told(spy),
                 expected == Scheme::Unknown ? QStringList() : QStringList(nameOf(expected)));
        QCOMPARE(*reads, 1);
        QCOMPARE(warnings.All(), QStringList());
    }

    // Each change is told once, in order; no preference counts as light.
    void changes()
    {
        Dark dark;
        QVERIFY(startDark(dark));

        emit dark.portal->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(2u));
        QTRY_COMPARE(told(*dark.spy), QStringList({"dark", "light"}));
        QCOMPARE(nameOf(dark.source->Current()), QStringLiteral("light"));

        emit dark.portal->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(0u));
        QVERIFY(settle());
        QCOMPARE(told(*dark.spy), QStringList({"dark", "light"}));

        emit dark.portal->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(1u));
        QTRY_COMPARE(told(*dark.spy), QStringList({"dark", "light", "dark"}));
        QCOMPARE(nameOf(dark.source->Current()), QStringLiteral("dark"));
    }

    void ignored_data()
    {
        QTest::addColumn<QVariantList>("arguments");

        QTest::newRow("the same scheme again") << setting(appearance(), colorSchemeKey(), 1u);
        QTest::newRow("another namespace")
            << setting(QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey(), 2u);
        QTest::newRow("another key") << setting(appearance(), QStringLiteral("contrast"), 2u);
        QTest::newRow("a string") << setting(appearance(), colorSchemeKey(), QStringLiteral("2"));
        QTest::newRow("a number without a meaning") << setting(appearance(), colorSchemeKey(), 7u);
        QTest::newRow("no value") << QVariantList({appearance(), colorSchemeKey()});
        QTest::newRow("the value outside a variant")
            << QVariantList({appearance(), colorSchemeKey(), 2u});
        QTest::newRow("no arguments") << QVariantList();
    }

    // What does not say the scheme changed is not told, does not warn, and the next change that
    // does is told as usual.
    void ignored()
    {
        QFETCH(QVariantList, arguments);

        Dark dark;
        QVERIFY(startDark(dark));
        const Warnings warnings;
        send(arguments);
        QVERIFY(settle());
        QCOMPARE(told(*dark.spy), QStringList("dark"));
        QCOMPARE(nameOf(dark.source->Current()), QStringLiteral("dark"));
        QCOMPARE(warnings.All(), QStringList());

        send(setting(appearance(), colorSchemeKey(), 2u));
        QTRY_COMPARE(told(*dark.spy), QStringList({"dark", "light"}));
    }

    // No portal on the bus: Unknown, quietly. One that starts later is heard when it tells a
    // change.
    void noPortal()
    {
        const Warnings warnings;
        const std::unique_ptr<WDesktopScheme> source = WDesktopScheme::Create();
        QSignalSpy spy(source.get(), &WDesktopScheme::Changed);
        QVERIFY(settle());
        QCOMPARE(nameOf(source->Current()), QStringLiteral("unknown"));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(warnings.All(), QStringList());

        FakePortal* fake = publish<FakePortal>(QVariant(1u));
        QVERIFY(fake);
        emit fake->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(1u));
        QTRY_COMPARE(told(spy), QStringList("dark"));
    }

    // A portal slow to answer keeps nothing waiting; a source gone before the answer comes
    // takes no harm from it (AddressSanitizer watches).
    void slowPortal()
    {
        auto made = std::make_unique<FakePortal>();
        made->value = 1u;
        made->hold = true;
        FakePortal* fake = publish(std::move(made));
        QVERIFY(fake);

        std::unique_ptr<WDesktopScheme> source = WDesktopScheme::Create();
        QSignalSpy spy(source.get(), &WDesktopScheme::Changed);
        QTRY_COMPARE(fake->reads, 1);
        QCOMPARE(nameOf(source->Current()), QStringLiteral("unknown"));
        fake->Answer();
        QTRY_COMPARE(told(spy), QStringList("dark"));

        std::unique_ptr<WDesktopScheme> gone = WDesktopScheme::Create();
        QTRY_COMPARE(fake->reads, 2);
        gone.reset();
        fake->Answer();
        emit fake->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(2u));
        QTRY_COMPARE(told(spy), QStringList({"dark", "light"}));
    }

    // Without a session bus (a process of its own, whose bus address leads nowhere): Unknown,
    // quietly.
    void noBus()
    {
        if (qEnvironmentVariableIsSet("WEXAL_TEST_NO_BUS")) {
            QVERIFY(!QDBusConnection::sessionBus().isConnected());
            const Warnings warnings;
            const std::unique_ptr<WDesktopScheme> source = WDesktopScheme::Create();
            QSignalSpy spy(source.get(), &WDesktopScheme::Changed);
            QTest::qWait(100);
            QCOMPARE(nameOf(source->Current()), QStringLiteral("unknown"));
            QCOMPARE(spy.count(), 0);
            QCOMPARE(warnings.All(), QStringList());
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WEXAL_TEST_NO_BUS"), QStringLiteral("1"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=/nonexistent/wexal-no-session-bus"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {WexalTest::CurrentSuite(), QStringLiteral("noBus")});
        QVERIFY(child.waitForFinished(120 * 1000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(output));
    }

    // The application's theme follows the portal from end to end: dark as the first answer,
    // then light as the portal tells the change; a shown button takes each theme's colour and
    // is painted again.
    void themeFollows()
    {
        FakePortal* fake = publish<FakePortal>(QVariant(1u));
        QVERIFY(fake);
        WTheme* theme = WTheme::Instance();
        QSignalSpy desktop(theme, &WTheme::DesktopSchemeChanged);
        const auto restore = qScopeGuard([theme] {
            theme->SetFollowDesktop(false);
            theme->Clear();
        });

        WPanel panel;
        panel.resize(200, 100);
        auto* button = new WButton(&panel);
        button->setGeometry(10, 10, 120, 40);
        int paints = 0;
        struct PaintCounter : QObject
        {
            int* paints;
            explicit PaintCounter(int* paints) : paints(paints) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Paint)
                    ++*paints;
                return false;
            }
        } counter(&paints);
        button->installEventFilter(&counter);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        // The colours of the named built-in theme's rule for buttons that the button does not
        // have now.
        const auto unlike = [button](const char* name) {
            const std::unique_ptr<WThemeSheet> sheet =
                WThemeSheet::Parse(WTheme::BuiltInSheet(QString::fromLatin1(name)));
            QStringList unlike;
            for (const WThemeSheet::Rule& rule : sheet->Rules()) {
                if (rule.selector != QLatin1String("WButton"))
                    continue;
                for (const WThemeSheet::Declaration& declaration : rule.declarations) {
                    const QColor color = WThemeSheet::ParseColor(declaration.value);
                    if (color.isValid() &&
                        button->property(declaration.property).value<QColor>() != color)
                        unlike << QString::fromLatin1(declaration.property);
                }
            }
            return unlike;
        };
        QVERIFY(!unlike("dark").isEmpty());
        QCoreApplication::processEvents();
        paints = 0;

        theme->SetFollowDesktop(true);
        QVERIFY(theme->FollowDesktop());
        QTRY_COMPARE(theme->Active(), QStringLiteral("dark"));
        QTRY_COMPARE(desktop.count(), 1);
        QCOMPARE(desktop.at(0).at(0).toBool(), true);
        QTRY_VERIFY2(unlike("dark").isEmpty(), qPrintable(unlike("dark").join(QLatin1Char(' '))));
        QVERIFY(!unlike("light").isEmpty());
        QTRY_VERIFY(paints > 0);

        QCoreApplication::processEvents();
        paints = 0;
        emit fake->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(2u));
        QTRY_COMPARE(theme->Active(), QStringLiteral("light"));
        QCOMPARE(desktop.count(), 2);
        QCOMPARE(desktop.at(1).at(0).toBool(), false);
        QTRY_VERIFY2(unlike("light").isEmpty(), qPrintable(unlike("light").join(QLatin1Char(' '))));
        QTRY_VERIFY(paints > 0);

        // No longer following: a change is neither applied nor told.
        theme->SetFollowDesktop(false);
        QVERIFY(!theme->FollowDesktop());
        emit fake->SettingChanged(appearance(), colorSchemeKey(), QDBusVariant(1u));
        QVERIFY(settle());
        QCOMPARE(theme->Active(), QStringLiteral("light"));
        QCOMPARE(desktop.count(), 2);
    }
};

WEXAL_TEST_MAIN(TestDesktopScheme)
#include "tst_desktopscheme.moc"
