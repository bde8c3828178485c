// The desktop's light or dark preference as the freedesktop settings portal tells it. ctest runs
// this file on a bus of its own (dbus-run-session); a fake portal answers there on a second
// connection, so that every call and every signal goes through the bus daemon as a real portal's
// would. Last, the application's theme following the preference from end to end.
#include "WClassRegistry.h"
#include "WDesktopScheme_p.h"
#include "WTestSuite.h"
#include "WTheme.h"
#include "WThemeSheet_p.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QScopeGuard>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

// A source and the schemes it told, in order.
struct Source
{
    Source()
    {
        QObject::connect(scheme.get(), &WDesktopScheme::Changed,
                         [this](WDesktopScheme::Scheme scheme) { told << nameOf(scheme); });
    }
    static const char* nameOf(WDesktopScheme::Scheme scheme)
    {
        return scheme == WDesktopScheme::Scheme::Dark    ? "dark"
               : scheme == WDesktopScheme::Scheme::Light ? "light"
                                                         : "unknown";
    }
    const char* current() const { return nameOf(scheme->Current()); }

    std::unique_ptr<WDesktopScheme> scheme = WDesktopScheme::Create();
    QStringList told;
};

// The fake portal's own connection: calls to it from the source's connection (the session bus)
// go through the daemon.
QDBusConnection portalBus()
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-portal");
}

// A SettingChanged signal with these arguments as they are, from the portal's name.
void send(const QVariantList& arguments)
{
    QDBusMessage signal =
        QDBusMessage::createSignal(path, "org.freedesktop.portal.Settings", "SettingChanged");
    signal.setArguments(arguments);
    portalBus().send(signal);
}

QVariantList setting(const QVariant& value, const QString& space = appearance,
                     const QString& key = colorScheme)
{
    return {space, key, QVariant::fromValue(QDBusVariant(value))};
}

// Waits until everything the portal sent the source's connection so far has reached the source:
// a call over the same two connections is answered after it, by the portal or, when none is on
// the bus, by the daemon.
bool settle()
{
    const QDBusPendingCall ping = QDBusConnection::sessionBus().asyncCall(
        QDBusMessage::createMethodCall(service, "/", "org.freedesktop.DBus.Peer", "Ping"));
    const bool answered = QTest::qWaitFor([&] { return ping.isFinished(); });
    QCoreApplication::processEvents();
    return answered;
}

// A portal on the bus while it lives. Asked for color-scheme it answers `value` as it is (a uint32
// unless a case says otherwise); no value, or any other setting, is one it does not know, with
// the error a real one sends. A portal from before ReadOne lacks it. One that holds is slow: each
// read waits until Answer() sends it.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakePortal(const QVariant& value, bool knowsReadOne = true, bool hold = false)
        : value(value), hold(hold)
    {
        const auto exported =
            knowsReadOne ? QDBusConnection::ExportAllSlots : QDBusConnection::ExportScriptableSlots;
        published = portalBus().registerObject(path, this, exported) &&
                    portalBus().registerService(service);
    }
    ~FakePortal() override
    {
        portalBus().unregisterService(service);
        portalBus().unregisterObject(path);
    }

    void Answer() { portalBus().send(held.createReply(QVariant::fromValue(QDBusVariant(value)))); }

    const QVariant value;
    const bool hold;
    bool published;
    int reads = 0;
    QDBusMessage held;

public slots:
    QDBusVariant ReadOne(const QString& space, const QString& key)
    {
        ++reads;
        if (hold) {
            setDelayedReply(true);
            held = message();
        } else if (space != appearance || key != colorScheme || !value.isValid()) {
            sendErrorReply("org.freedesktop.portal.Error.NotFound", "Requested setting not found");
        }
        return QDBusVariant(value);
    }
    // The value in one variant more, as the portal's first version answers.
    Q_SCRIPTABLE QDBusVariant Read(const QString& space, const QString& key)
    {
        return QDBusVariant(QVariant::fromValue(ReadOne(space, key)));
    }
};

} // namespace

class TestDesktopScheme : public QObject
{
    Q_OBJECT

private slots:
    // Every case needs the bus dbus-run-session starts (ctest runs the file under it). Without
    // one, CI fails at once; elsewhere the cases are skipped.
    void init()
    {
        if (!QDBusConnection::sessionBus().isConnected()) {
            if (qgetenv("CI") == "true")
                QFAIL("no session bus: run this test through ctest, which starts one with "
                      "dbus-run-session (from the dbus-daemon package)");
            QSKIP("no session bus: ctest starts one with dbus-run-session, if it is installed");
        }
    }

    void firstAnswer_data()
    {
        QTest::addColumn<bool>("knowsReadOne");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dark") << true << QVariant(1u) << "dark";
        QTest::newRow("dark, only Read") << false << QVariant(1u) << "dark";
        QTest::newRow("light") << true << QVariant(2u) << "light";
        QTest::newRow("no preference") << true << QVariant(0u) << "light";
        QTest::newRow("a signed number") << true << QVariant(1) << "unknown";
        QTest::newRow("a number without a meaning") << true << QVariant(3u) << "unknown";
        QTest::newRow("a setting the portal does not know") << true << QVariant() << "unknown";
    }

    // The first answer is told once, from one read; one that says nothing is not told and leaves
    // the source Unknown.
    void firstAnswer()
    {
        QFETCH(bool, knowsReadOne);
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        FakePortal fake(value, knowsReadOne);
        QVERIFY(fake.published);
        Source source;
        QTRY_COMPARE(fake.reads, 1);
        QVERIFY(settle());
        QCOMPARE(source.current(), qPrintable(expected));
        QCOMPARE(source.told, expected == "unknown" ? QStringList() : QStringList(expected));
        QCOMPARE(fake.reads, 1);
    }

    void changes_data()
    {
        QTest::addColumn<QList<QVariantList>>("sent");
        QTest::addColumn<QStringList>("expected");
        using Sent = QList<QVariantList>;
        QTest::newRow("light, no preference, dark")
            << Sent{setting(2u), setting(0u), setting(1u)} << QStringList{"dark", "light", "dark"};
        QTest::newRow("another namespace, another key")
            << Sent{setting(2u, "org.gnome.desktop.interface"), setting(2u, appearance, "contrast")}
            << QStringList("dark");
        QTest::newRow("no value, the value outside a variant, no arguments")
            << Sent{{appearance, colorScheme}, {appearance, colorScheme, 2u}, {}}
            << QStringList("dark");
    }

    // From a portal that answered dark, each change is told once, in order (no preference counts
    // as light, so after light it is no change); what does not say the scheme changed is not told;
    // and the next change is told as usual.
    void changes()
    {
        QFETCH(QList<QVariantList>, sent);
        QFETCH(QStringList, expected);
        const FakePortal fake(1u);
        QVERIFY(fake.published);
        Source source;
        QTRY_COMPARE(source.told, QStringList("dark"));

        for (const QVariantList& arguments : sent)
            send(arguments);
        QVERIFY(settle());
        QCOMPARE(source.told, expected);
        QCOMPARE(source.current(), qPrintable(expected.last()));

        send(setting(2u));
        QTRY_COMPARE(source.told, expected + QStringList("light"));
    }

    // No portal on the bus: Unknown, quietly. A portal that starts later is heard when it tells
    // a change.
    void noPortal()
    {
        Source source;
        QVERIFY(settle());
        QCOMPARE(source.current(), "unknown");
        QCOMPARE(source.told, QStringList());
        const FakePortal fake(1u);
        QVERIFY(fake.published);
        send(setting(1u));
        QTRY_COMPARE(source.told, QStringList("dark"));
    }

    // A portal slow to answer keeps nothing waiting; a source gone before the answer comes
    // takes no harm from it (AddressSanitizer watches).
    void slowPortal()
    {
        FakePortal fake(1u, true, true);
        QVERIFY(fake.published);
        Source source;
        QTRY_COMPARE(fake.reads, 1);
        QCOMPARE(source.current(), "unknown");
        fake.Answer();
        QTRY_COMPARE(source.told, QStringList("dark"));

        auto gone = std::make_unique<Source>();
        QTRY_COMPARE(fake.reads, 2);
        gone.reset();
        fake.Answer();
        send(setting(2u));
        QTRY_COMPARE(source.told, QStringList({"dark", "light"}));
    }

    // The application's theme follows the portal from end to end: dark as the first answer,
    // then light as the portal tells the change; a shown button takes each theme's colours (that
    // a switch paints them is the theme test's). Once no longer following, a change is neither
    // applied nor told.
    void themeFollows()
    {
        const FakePortal fake(1u);
        QVERIFY(fake.published);
        WTheme* theme = WTheme::Instance();
        const auto restore = qScopeGuard([theme] {
            theme->SetFollowDesktop(false);
            theme->Clear();
        });
        WButton button;
        QList<bool> told; // DesktopSchemeChanged
        QObject::connect(theme, &WTheme::DesktopSchemeChanged, &button,
                         [&told](bool dark) { told << dark; });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        // The colours of the named built-in theme's rule for buttons that the button lacks.
        const auto unlike = [&button](const char* name) {
            QStringList unlike;
            const auto sheet = WThemeSheet::Parse(WTheme::BuiltInSheet(name));
            for (const WThemeSheet::Rule& rule : sheet->Rules()) {
                for (const WThemeSheet::Declaration& d : rule.declarations) {
                    const QColor color = WThemeSheet::ParseColor(d.value);
                    if (rule.selector == "WButton" && color.isValid() &&
                        button.property(d.property).value<QColor>() != color)
                        unlike << QString::fromLatin1(d.property);
                }
            }
            return unlike.join(QLatin1Char(' '));
        };
        QVERIFY(!unlike("dark").isEmpty());

        theme->SetFollowDesktop(true);
        QTRY_COMPARE(theme->Active(), QStringLiteral("dark"));
        QTRY_COMPARE(told, QList<bool>{true});
        QTRY_COMPARE(unlike("dark"), QString());
        QVERIFY(!unlike("light").isEmpty());

        send(setting(2u));
        QTRY_COMPARE(theme->Active(), QStringLiteral("light"));
        QCOMPARE(told, QList<bool>({true, false}));
        QTRY_COMPARE(unlike("light"), QString());

        theme->SetFollowDesktop(false);
        send(setting(1u));
        QVERIFY(settle());
        QCOMPARE(theme->Active(), QStringLiteral("light"));
        QCOMPARE(told, QList<bool>({true, false}));
    }
};

WEXAL_TEST_MAIN(TestDesktopScheme)
#include "tst_desktopscheme.moc"
