// The plugin inside Designer's own core, headless: the form editor finds the installed module
// through its plugin manager, every widget is dropped onto a form from its widget box entry,
// pages are added, inserted and removed by Designer's page commands through the container
// extension, a page switch reaches the form window, properties are set by Designer's property
// commands, and the form is saved, loaded again and written out for uic and QUiLoader.
#include "FormSpec.h"

#include <WBase.h>
#include <WButton.h>
#include <WPanel.h>
#include <WScrollPanel.h>
#include <WTabControl.h>
#include <WTabPage.h>

#include <QtDesigner/QDesignerActionEditorInterface>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerCustomWidgetInterface>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerMetaDataBaseInterface>
#include <QtDesigner/QDesignerObjectInspectorInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerWidgetBoxInterface>
#include <QtDesigner/QDesignerWidgetDataBaseInterface>
#include <QtDesigner/QDesignerWidgetFactoryInterface>
#include <QtDesigner/QExtensionManager>
#include <QtDesigner/private/formwindowbase_p.h>
#include <QtDesigner/private/pluginmanager_p.h>
#include <QtDesigner/private/qdesigner_command_p.h>
#include <QtDesigner/private/qdesigner_dnditem_p.h>
#include <QtDesigner/private/qdesigner_widgetbox_p.h>
#include <QtDesigner/private/ui4_p.h>
#include <QtDesigner/private/widgetdatabase_p.h>

#include <QDir>
#include <QFile>
#include <QUndoStack>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// What a widget from the box carries when dropped: its default XML as Designer parsed it and a
// stand-in for the picture the user drags, whose rectangle is where the widget lands.
class BoxDrop : public qdesigner_internal::QDesignerDnDItem
{
public:
    BoxDrop(DomUI* ui, QWidget* decoration, const QPoint& globalPos) : QDesignerDnDItem(CopyDrop)
    {
        init(ui, nullptr, decoration, globalPos);
    }
};

// The geometry Designer read from a default XML, or an invalid size without one.
QSize domSize(DomUI* ui)
{
    const DomWidget* fakeTopLevel = ui->elementWidget();
    if (!fakeTopLevel || fakeTopLevel->elementWidget().isEmpty())
        return QSize();
    for (const DomProperty* p : fakeTopLevel->elementWidget().first()->elementProperty()) {
        if (p->attributeName() == QLatin1String("geometry") && p->elementRect())
            return QSize(p->elementRect()->elementWidth(), p->elementRect()->elementHeight());
    }
    return QSize();
}

struct Default
{
    const char* property;
    QVariant value;
};

// The widgets of the box in the order they are dropped, each with the defaults of its XML
// beyond the geometry.
const QList<QPair<QString, QList<Default>>>& boxWidgets()
{
    static const QList<QPair<QString, QList<Default>>> widgets = {
        {QStringLiteral("WTabControl"), {{"TabBarSize", QSize(50, 20)}}},
        {QStringLiteral("WScrollPanel"),
         {{"ScrollAreaSize", QSize(500, 500)},
          {"BackColor", QColor(0, 0, 0, 0)},
          {"SliderRadius", 5},
          {"SliderColor", QColor(230, 230, 230)}}},
        {QStringLiteral("WPanel"), {{"BackColor", QColor(0, 0, 0, 30)}}},
        {QStringLiteral("WButton"), {{"Radius", 8}, {"BackColor", QColor(245, 245, 245)}}},
        {QStringLiteral("WCheckBox"),
         {{"ForeColor", QColor(80, 80, 80)}, {"Text", QStringLiteral("WCheckBox")}}},
        {QStringLiteral("WSwitchButton"), {{"BackColor", QColor(245, 245, 245)}}},
        {QStringLiteral("WLabel"), {}},
        {QStringLiteral("WLineEdit"), {}},
        {QStringLiteral("WItemList"), {}},
        {QStringLiteral("WGridList"), {}},
        {QStringLiteral("WTreeView"), {}},
        {QStringLiteral("WTest"), {}},
    };
    return widgets;
}

// The class and name of every widget a saved form holds, in document order.
QStringList widgetsIn(const QString& ui)
{
    QStringList widgets;
    QXmlStreamReader xml(ui);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("widget"))
            widgets << xml.attributes().value(QLatin1String("class")) + QLatin1Char(' ') +
                           xml.attributes().value(QLatin1String("name"));
    }
    return widgets;
}

QString lowerFirst(const QString& name)
{
    return name.left(1).toLower() + name.mid(1);
}

} // namespace

class TestDesignerForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pluginFound();
    void widgetBox();
    void dropFromBox_data();
    void dropFromBox();
    void scrollPanelContent();
    void tabPages();
    void pageSwitchTellsForm();
    void propertiesSavedAndLoaded();
    void cleanupTestCase();

private:
    QDesignerWidgetBoxInterface::Widget boxEntry(const QString& className) const;
    QDesignerContainerExtension* container(QWidget* w) const;
    QDesignerFormWindowInterface* newFormWindow();

    QDesignerFormEditorInterface* core = nullptr;
    QList<QWidget*> hosts;
    QDesignerFormWindowInterface* form = nullptr;
};

QDesignerWidgetBoxInterface::Widget TestDesignerForm::boxEntry(const QString& className) const
{
    QDesignerWidgetBoxInterface* box = core->widgetBox();
    for (int i = 0; i < box->categoryCount(); ++i) {
        const QDesignerWidgetBoxInterface::Category category = box->category(i);
        for (int j = 0; j < category.widgetCount(); ++j) {
            if (category.widget(j).name() == className)
                return category.widget(j);
        }
    }
    return QDesignerWidgetBoxInterface::Widget();
}

QDesignerContainerExtension* TestDesignerForm::container(QWidget* w) const
{
    return qt_extension<QDesignerContainerExtension*>(core->extensionManager(), w);
}

// A form window as Designer's "Widget" template makes it, inside a top-level host, as Designer
// embeds its form windows.
QDesignerFormWindowInterface* TestDesignerForm::newFormWindow()
{
    auto* host = new QWidget;
    host->resize(1000, 760);
    hosts << host;
    QDesignerFormWindowInterface* fw = core->formWindowManager()->createFormWindow(host);
    fw->setContents(QStringLiteral(R"(<ui version="4.0"><class>Form</class>
        <widget class="QWidget" name="Form"><property name="geometry"><rect><x>0</x><y>0</y>
        <width>800</width><height>400</height></rect></property></widget></ui>)"));
    fw->resize(1000, 760);
    core->formWindowManager()->setActiveFormWindow(fw);
    host->show();
    return fw;
}

void TestDesignerForm::initTestCase()
{
    QVERIFY(!WBase::IsDesignerMode());
    // The order of Designer's own start-up: form editor, task menus, plugins, integration,
    // then the tool windows the form windows talk to.
    QDesignerComponents::initializeResources();
    core = QDesignerComponents::createFormEditor(nullptr);
    QDesignerComponents::createTaskMenu(core, core);
    QDesignerComponents::initializePlugins(core);
    new QDesignerIntegration(core, core);
    core->setWidgetBox(QDesignerComponents::createWidgetBox(core, nullptr));
    core->setPropertyEditor(QDesignerComponents::createPropertyEditor(core, nullptr));
    core->setObjectInspector(QDesignerComponents::createObjectInspector(core, nullptr));
    core->setActionEditor(QDesignerComponents::createActionEditor(core, nullptr));
    QVERIFY(WBase::IsDesignerMode());

    form = newFormWindow();
    QVERIFY(QTest::qWaitForWindowExposed(hosts.first()));
}

void TestDesignerForm::pluginFound()
{
    // Found where it was installed, through QT_PLUGIN_PATH as Designer's users set it.
    const QString file = QDir(QStringLiteral(WEXAL_DESIGNER_PLUGIN_DIR))
                             .filePath(QStringLiteral("libWexalPlugin.so"));
    const QStringList registered = core->pluginManager()->registeredPlugins();
    QVERIFY2(registered.contains(QFileInfo(file).canonicalFilePath()) || registered.contains(file),
             qPrintable(registered.join(QLatin1Char(' '))));
    QVERIFY(!core->pluginManager()->failedPlugins().contains(file));

    QDesignerWidgetDataBaseInterface* db = core->widgetDataBase();
    const QList<QDesignerCustomWidgetInterface*> custom =
        core->pluginManager()->registeredCustomWidgets();
    int ours = 0;
    for (QDesignerCustomWidgetInterface* plugin : custom) {
        if (!plugin->includeFile().startsWith(QLatin1Char('W')))
            continue;
        ++ours;
        // Designer initialised each plugin with its form editor, registering the extensions.
        QVERIFY(plugin->isInitialized());
        const int index = db->indexOfClassName(plugin->name());
        QVERIFY2(index >= 0, qPrintable(plugin->name()));
        QDesignerWidgetDataBaseItemInterface* item = db->item(index);
        QVERIFY(item->isCustom());
        QCOMPARE(item->isContainer(), plugin->isContainer());
        QCOMPARE(item->includeFile(), plugin->name() + QStringLiteral(".h"));
        auto* internal = static_cast<qdesigner_internal::WidgetDataBaseItem*>(item);
        QCOMPARE(internal->addPageMethod(), plugin->name() == QLatin1String("WTabControl")
                                                ? QStringLiteral("AddPage")
                                                : QString());
    }
    QCOMPARE(ours, 13);
}

void TestDesignerForm::widgetBox()
{
    QDesignerWidgetBoxInterface* box = core->widgetBox();
    QStringList wexal;
    for (int i = 0; i < box->categoryCount(); ++i) {
        const QDesignerWidgetBoxInterface::Category category = box->category(i);
        if (category.name() != QLatin1String("Wexal"))
            continue;
        for (int j = 0; j < category.widgetCount(); ++j) {
            wexal << category.widget(j).name();
            QCOMPARE(category.widget(j).type(), QDesignerWidgetBoxInterface::Widget::Custom);
        }
    }
    // The collection's order; the page has no default XML, so the box does not offer it.
    QCOMPARE(wexal, (QStringList{"WPanel", "WScrollPanel", "WButton", "WCheckBox", "WSwitchButton",
                                 "WLabel", "WLineEdit", "WItemList", "WTabControl", "WGridList",
                                 "WTreeView", "WTest"}));
}

void TestDesignerForm::dropFromBox_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < boxWidgets().size(); ++i)
        QTest::newRow(qPrintable(boxWidgets().at(i).first)) << i;
}

void TestDesignerForm::dropFromBox()
{
    QFETCH(int, index);
    const QString className = boxWidgets().at(index).first;
    const QDesignerWidgetBoxInterface::Widget entry = boxEntry(className);
    QVERIFY(!entry.isNull());
    DomUI* ui = qdesigner_internal::QDesignerWidgetBox::xmlToUi(className, entry.domXml(), true);
    QVERIFY(ui);

    // Dropped where the sampler wants it, at the size the box's picture has: the default
    // geometry, as the widget box sizes it.
    QWidget* main = form->mainContainer();
    QRect target;
    for (const FormSpec::Setting& s : FormSpec::Settings()) {
        if (s.object == lowerFirst(className) && qstrcmp(s.property, "geometry") == 0)
            target = s.value.toRect();
    }
    const QSize size = domSize(ui);
    QVERIFY(size.isValid());
    const QPoint globalPos = main->mapToGlobal(target.topLeft());
    auto* decoration = new QWidget;
    decoration->setGeometry(QRect(globalPos, size));
    BoxDrop drop(ui, decoration, globalPos);
    const QList<QWidget*> before =
        main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    auto* base = qobject_cast<qdesigner_internal::FormWindowBase*>(form);
    QVERIFY(base && base->dropWidgets({&drop}, main, globalPos));

    QWidget* w = nullptr;
    for (QWidget* child : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!before.contains(child))
            w = child;
    }
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), qPrintable(className));
    QCOMPARE(w->objectName(), lowerFirst(className));
    QCOMPARE(w->geometry(), QRect(target.topLeft(), size));
    QVERIFY(core->metaDataBase()->item(w));
    for (const Default& d : boxWidgets().at(index).second)
        QVERIFY2(FormSpec::SameValue(w->property(d.property), d.value), d.property);
}

void TestDesignerForm::scrollPanelContent()
{
    auto* panel = form->mainContainer()->findChild<WScrollPanel*>(QStringLiteral("wScrollPanel"));
    QVERIFY(panel);
    QDesignerContainerExtension* c = container(panel);
    QVERIFY(c);
    QVERIFY(!c->canAddWidget());
    // The default's content panel went in through the extension and the panel adopted it.
    QTRY_VERIFY(panel->ScrollWidget());
    QCOMPARE(panel->ScrollWidget()->objectName(), QStringLiteral("ScrollArea"));
    QCOMPARE(c->count(), 1);
    QCOMPARE(c->widget(0), panel->ScrollWidget());
    QCOMPARE(c->widget(-1), nullptr);
    QCOMPARE(c->currentIndex(), 0);
    QVERIFY(core->metaDataBase()->item(panel->ScrollWidget()));

    // A panel dropped from the box has nothing yet, and takes what is handed to it.
    WScrollPanel fresh(form->mainContainer());
    QDesignerContainerExtension* e = container(&fresh);
    QVERIFY(e && e != c);
    QCOMPARE(e->count(), 0);
    QCOMPARE(e->currentIndex(), -1);
    QCOMPARE(e->widget(0), nullptr);
    fresh.show();
    auto* content = new WPanel;
    e->insertWidget(5, content);
    QTRY_COMPARE(fresh.ScrollWidget(), content);
    QCOMPARE(e->count(), 1);
    QCOMPARE(e->currentIndex(), 0);
    e->remove(0);
    QCOMPARE(e->count(), 1);
    e->addWidget(nullptr);
    e->addWidget(&fresh);
    QCOMPARE(e->count(), 1);
}

void TestDesignerForm::tabPages()
{
    auto* control = form->mainContainer()->findChild<WTabControl*>(QStringLiteral("wTabControl"));
    QVERIFY(control);
    QDesignerContainerExtension* c = container(control);
    QVERIFY(c && c->canAddWidget() && c->canRemove(0));
    // The default's two pages, made unique by Designer, the second in front.
    QCOMPARE(c->count(), 2);
    QCOMPARE(control->Page(0)->objectName(), QStringLiteral("page"));
    QCOMPARE(control->Page(1)->objectName(), QStringLiteral("page_2"));
    QCOMPARE(c->widget(1), control->Page(1));
    QCOMPARE(c->currentIndex(), 1);
    c->setCurrentIndex(0);
    QCOMPARE(control->SelectedIndex(), 1);

    // Designer's "Insert Page After Current Page": its command hands the extension a page
    // widget of its own, which a WTabPage of the same name replaces.
    QUndoStack* history = form->commandHistory();
    auto* add = new qdesigner_internal::AddContainerWidgetPageCommand(form);
    add->init(control, qdesigner_internal::PageContainer,
              qdesigner_internal::AddContainerWidgetPageCommand::InsertAfter);
    history->push(add);
    QCOMPARE(control->Count(), 3);
    WTabPage* added = control->Page(2);
    QCOMPARE(control->SelectedIndex(), 2);
    QVERIFY(core->metaDataBase()->item(added));
    QVERIFY(added->TabButton() && added->TabButton()->isVisible());
    const QList<QWidget*> handed = control->findChildren<QWidget*>(added->objectName());
    QCOMPARE(handed.size(), 2);
    for (QWidget* w : handed) {
        if (w != added)
            QCOMPARE(w->geometry(), QRect());
    }

    // "Insert Page Before Current Page", then "Delete" of that page; undone and redone.
    auto* insert = new qdesigner_internal::AddContainerWidgetPageCommand(form);
    insert->init(control, qdesigner_internal::PageContainer,
                 qdesigner_internal::AddContainerWidgetPageCommand::InsertBefore);
    history->push(insert);
    QCOMPARE(control->Count(), 4);
    WTabPage* inserted = control->Page(2);
    QCOMPARE(control->Page(3), added);
    QCOMPARE(control->SelectedIndex(), 2);

    auto* remove = new qdesigner_internal::DeleteContainerWidgetPageCommand(form);
    remove->init(control, qdesigner_internal::PageContainer);
    history->push(remove);
    QCOMPARE(control->Count(), 3);
    QCOMPARE(control->Page(2), added);
    QCOMPARE(control->SelectedIndex(), 1);
    history->undo();
    QCOMPARE(control->Count(), 4);
    QCOMPARE(control->Page(2), inserted);
    history->redo();
    QCOMPARE(control->Count(), 3);
    QCOMPARE(control->IndexOf(inserted), -1);
    QCOMPARE(added->objectName(), QLatin1String(FormSpec::Pages().at(2).name));
}

void TestDesignerForm::pageSwitchTellsForm()
{
    auto* control = form->mainContainer()->findChild<WTabControl*>(QStringLiteral("wTabControl"));
    QVERIFY(control);
    control->ReLayout();
    QSignalSpy selection(form, &QDesignerFormWindowInterface::selectionChanged);
    // A click on the first tab in the form editor: the tab is passive, so the editor lets the
    // click through, the control switches, and the plugin tells the form window.
    WButton* tab = control->Page(0)->TabButton();
    QVERIFY(tab->objectName().startsWith(QLatin1String("__qt__passive_")));
    QTest::mouseClick(tab, Qt::LeftButton, Qt::NoModifier, tab->rect().center());
    QCOMPARE(control->SelectedIndex(), 0);
    QTRY_VERIFY(selection.count() > 0);

    // A switch made any other way is reported just the same.
    selection.clear();
    control->SetSelectedIndex(2);
    QTRY_VERIFY(selection.count() > 0);
    // A control outside any form has no form to tell.
    auto* loose = qobject_cast<WTabControl*>(
        core->widgetFactory()->createWidget(QStringLiteral("WTabControl"), nullptr));
    QVERIFY(loose);
    loose->AddPage(new WTabPage);
    delete loose;
}

void TestDesignerForm::propertiesSavedAndLoaded()
{
    QDesignerFormWindowCursorInterface* cursor = form->cursor();
    QWidget* main = form->mainContainer();
    // Through the form's cursor, which runs the property editor's own command.
    for (const FormSpec::Setting& s : FormSpec::Settings()) {
        QWidget* w = FormSpec::Find(main, s.object);
        QVERIFY2(w, s.object);
        cursor->setWidgetProperty(w, QLatin1String(s.property), s.value);
    }
    form->mainContainer()->resize(800, 400);
    QCOMPARE(FormSpec::Check(main).join(QLatin1Char('\n')), QString());

    const QString saved = form->contents();
    // Our setters are not Qt's setFoo, so Designer marks every property of ours as one that
    // generated code sets through setProperty.
    QVERIFY(saved.contains(QLatin1String("<property name=\"TabBarPosition\" stdset=\"0\">")));
    QVERIFY(saved.contains(QLatin1String("<enum>PositionType::Left</enum>")));
    QVERIFY(saved.contains(QLatin1String("<set>PositionFlag::Left|PositionFlag::Top</set>")));
    QVERIFY(saved.contains(QLatin1String("<addpagemethod>AddPage</addpagemethod>")));

    // Loaded again in a second form window: the same widgets, pages and values.
    QDesignerFormWindowInterface* again = newFormWindow();
    again->setContents(saved);
    QVERIFY(QTest::qWaitForWindowExposed(hosts.last()));
    QTRY_COMPARE(FormSpec::Check(again->mainContainer()).join(QLatin1Char('\n')), QString());
    QCOMPARE(widgetsIn(again->contents()), widgetsIn(saved));

    QFile file(QStringLiteral(WEXAL_FORM_FILE));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write(saved.toUtf8()) > 0);
}

void TestDesignerForm::cleanupTestCase()
{
    qDeleteAll(hosts);
    delete core;
}

QTEST_MAIN(TestDesignerForm)
#include "tst_designerform.moc"
