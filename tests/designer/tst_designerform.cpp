// The plugin inside Designer's own core, headless: the form editor finds the installed module
// through its plugin manager, every widget is dropped onto a form from its widget box entry,
// pages are added, inserted and removed by Designer's page commands through the container
// extension, a page switch reaches the form window, properties are set by Designer's property
// commands, and the form is saved, loaded again and written out for uic and QUiLoader.
#include "SamplerForm.h"

#include <WBase.h>
#include <WButton.h>
#include <WPanel.h>
#include <WScrollPanel.h>
#include <WTabControl.h>
#include <WTabPage.h>

#include <QtDesigner/QDesignerActionEditorInterface>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerContainerExtension>
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
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QDir>
#include <QFile>
#include <QSettings>
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

// The size of a default XML's geometry, as Designer read it; invalid without one.
QSize domGeometry(DomUI* ui)
{
    for (const DomProperty* p : ui->elementWidget()->elementWidget().first()->elementProperty()) {
        if (p->attributeName() == QLatin1String("geometry") && p->elementRect())
            return QSize(p->elementRect()->elementWidth(), p->elementRect()->elementHeight());
    }
    return QSize();
}

// The class and name of every widget a saved form holds, in document order.
QStringList widgetsIn(const QString& ui)
{
    QStringList widgets;
    QXmlStreamReader xml(ui);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("widget"))
            widgets << xml.attributes().value(QLatin1String("class")).toString() +
                           QLatin1Char(' ') +
                           xml.attributes().value(QLatin1String("name")).toString();
    }
    return widgets;
}

} // namespace

class TestDesignerForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!WBase::IsDesignerMode());
        // Designer's settings, in a profile of the test's own (XDG_CONFIG_HOME). The other plugins
        // on the plugin paths, Qt's own (Qt Quick, WebKit), are switched off there, as Designer's
        // plugin dialog does: they are not under test, and WebKit keeps memory to the end.
        QCoreApplication::setOrganizationName(QStringLiteral("QtProject"));
        QCoreApplication::setApplicationName(QStringLiteral("Designer"));
        QStringList others;
        for (const QString& path : QCoreApplication::libraryPaths()) {
            const QDir dir(path + QStringLiteral("/designer"));
            for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
                if (file.fileName() != QLatin1String(WEXAL_PLUGIN_FILE_NAME))
                    others << file.absoluteFilePath();
            }
        }
        QSettings().setValue(QStringLiteral("PluginManager/DisabledPlugins"), others);

        // The order of Designer's own start-up: form editor, task menus, plugins, the tool windows
        // the form windows talk to, then the integration that connects them.
        QDesignerComponents::initializeResources();
        core = QDesignerComponents::createFormEditor(nullptr);
        QDesignerComponents::createTaskMenu(core, core);
        QDesignerComponents::initializePlugins(core);
        core->setWidgetBox(QDesignerComponents::createWidgetBox(core, nullptr));
        core->setPropertyEditor(QDesignerComponents::createPropertyEditor(core, nullptr));
        core->setObjectInspector(QDesignerComponents::createObjectInspector(core, nullptr));
        core->setActionEditor(QDesignerComponents::createActionEditor(core, nullptr));
        new QDesignerIntegration(core, core);
        QVERIFY(WBase::IsDesignerMode());

        form = newFormWindow();
        QVERIFY(QTest::qWaitForWindowExposed(hosts.first()));
        // The form is a WForm, which in Designer is an ordinary widget, sized by Designer.
        QWidget* main = form->mainContainer();
        QCOMPARE(main->metaObject()->className(), "WForm");
        QCOMPARE(main->window(), hosts.first());
        form->cursor()->setWidgetProperty(main, QStringLiteral("geometry"),
                                          QRect(QPoint(0, 0), SamplerForm::FormSize()));
        form->resize(SamplerForm::FormSize());
        QTRY_COMPARE(main->size(), SamplerForm::FormSize());
    }

    // Found where it was installed, through QT_PLUGIN_PATH as Designer's users set it; each
    // widget of its collection initialised with the form editor (which registers the extensions)
    // and known to Designer's widget database: the containers as containers, each with the
    // header generated code includes and, all but the test widget, an icon. The box offers every
    // widget that has a default XML; the page and the form have none (a form comes from the New
    // Form dialog's list instead). That every widget is there is the drops' and the saved form's
    // to show: between them they use each one.
    void pluginFound()
    {
        const QStringList containers{"WPanel", "WScrollPanel", "WTabPage", "WTabControl", "WForm"};
        const QString file = QDir(QStringLiteral(WEXAL_DESIGNER_PLUGIN_DIR))
                                 .filePath(QStringLiteral(WEXAL_PLUGIN_FILE_NAME));
        QDesignerPluginManager* plugins = core->pluginManager();
        const QString canonical = QFileInfo(file).canonicalFilePath();
        const QString registered =
            plugins->registeredPlugins().contains(canonical) ? canonical : file;
        QVERIFY2(plugins->registeredPlugins().contains(registered),
                 qPrintable(plugins->registeredPlugins().join(QLatin1Char(' '))));
        QVERIFY(!plugins->failedPlugins().contains(file));
        auto* collection =
            qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugins->instance(registered));
        QVERIFY(collection);
        ours = collection->customWidgets();
        QDesignerWidgetDataBaseInterface* db = core->widgetDataBase();
        for (QDesignerCustomWidgetInterface* plugin : ours) {
            QVERIFY(plugin->isInitialized());
            QVERIFY(plugins->registeredCustomWidgets().contains(plugin));
            const int index = db->indexOfClassName(plugin->name());
            QVERIFY2(index >= 0, qPrintable(plugin->name()));
            QDesignerWidgetDataBaseItemInterface* item = db->item(index);
            QVERIFY(item->isCustom());
            QCOMPARE(item->isContainer(), containers.contains(plugin->name()));
            QCOMPARE(item->includeFile(), plugin->name() + QStringLiteral(".h"));
            QCOMPARE(item->icon().isNull(), plugin->name() == QLatin1String("WTest"));
            auto* internal = static_cast<qdesigner_internal::WidgetDataBaseItem*>(item);
            QCOMPARE(internal->addPageMethod(), plugin->name() == QLatin1String("WTabControl")
                                                    ? QStringLiteral("AddPage")
                                                    : QString());
        }
        QDesignerWidgetBoxInterface* box = core->widgetBox();
        for (int i = 0; i < box->categoryCount(); ++i) {
            const QDesignerWidgetBoxInterface::Category category = box->category(i);
            for (int j = 0; j < category.widgetCount(); ++j) {
                const QDesignerWidgetBoxInterface::Widget w = category.widget(j);
                if (w.type() != QDesignerWidgetBoxInterface::Widget::Custom)
                    continue;
                boxEntries.insert(w.name(), w);
            }
        }
        QVERIFY(qdesigner_internal::WidgetDataBase::customFormWidgetClasses(core).contains(
            QStringLiteral("WForm")));
    }

    void dropFromBox_data()
    {
        QTest::addColumn<int>("index");
        const QList<SamplerForm::Placement> placements = SamplerForm::Placements();
        for (int i = 0; i < placements.size(); ++i)
            QTest::newRow(placements.at(i).object) << i;
    }

    void dropFromBox()
    {
        QFETCH(int, index);
        const SamplerForm::Placement placement = SamplerForm::Placements().at(index);
        const QString className = placement.ClassName();
        const QDesignerWidgetBoxInterface::Widget entry = boxEntries.value(className);
        QVERIFY(!entry.isNull());
        DomUI* ui =
            qdesigner_internal::QDesignerWidgetBox::xmlToUi(className, entry.domXml(), true);
        QVERIFY(ui && ui->elementWidget() && !ui->elementWidget()->elementWidget().isEmpty());
        QSize size = domGeometry(ui);

        // The picture dragged from the box has the widget's default size, as the box sizes it:
        // the geometry of its XML, or else its size hint, never below 16 x 16. The widget takes
        // that size within its own limits.
        std::unique_ptr<QWidget> sample(core->widgetFactory()->createWidget(className, nullptr));
        if (!size.isValid())
            size =
                sample->sizeHint().expandedTo(sample->minimumSizeHint()).expandedTo(QSize(16, 16));
        const QSize landed =
            size.expandedTo(sample->minimumSize()).boundedTo(sample->maximumSize());
        QWidget* parent = SamplerForm::Find(form->mainContainer(), placement.parent);
        QVERIFY(parent);
        const QPoint globalPos = parent->mapToGlobal(placement.drop);
        auto* decoration = new QWidget;
        decoration->setGeometry(QRect(globalPos, size));
        BoxDrop drop(ui, decoration, globalPos);
        const QList<QWidget*> before =
            parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        auto* base = qobject_cast<qdesigner_internal::FormWindowBase*>(form);
        QVERIFY(base && base->dropWidgets({&drop}, parent, globalPos));

        QWidget* w = nullptr;
        for (QWidget* child :
             parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!before.contains(child))
                w = child;
        }
        QVERIFY(w);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
        QCOMPARE(w->objectName(), QLatin1String(placement.object));
        QCOMPARE(w->geometry(), QRect(placement.drop, landed));
    }

    void scrollPanelContent()
    {
        auto* panel =
            form->mainContainer()->findChild<WScrollPanel*>(QStringLiteral("wScrollPanel"));
        QVERIFY(panel);
        QDesignerContainerExtension* c = container(panel);
        QVERIFY(c);
        QVERIFY(!c->canAddWidget());
        // The default's content panel went in through the extension and the panel adopted it
        // (that it is the ScrollArea of the default is the saved form's check).
        QTRY_VERIFY(panel->ScrollWidget());
        QCOMPARE(c->count(), 1);
        QCOMPARE(c->widget(0), panel->ScrollWidget());
        QCOMPARE(c->widget(-1), nullptr);
        QVERIFY(core->metaDataBase()->item(panel->ScrollWidget()));

        // A panel dropped from the box has nothing yet, and takes what is handed to it.
        WScrollPanel fresh(form->mainContainer());
        QDesignerContainerExtension* e = container(&fresh);
        QVERIFY(e && e != c);
        QCOMPARE(e->count(), 0);
        QCOMPARE(e->currentIndex(), -1);
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

    void tabPages()
    {
        auto* control =
            form->mainContainer()->findChild<WTabControl*>(QStringLiteral("wTabControl"));
        QVERIFY(control);
        QDesignerContainerExtension* c = container(control);
        QVERIFY(c && c->canAddWidget() && c->canRemove(0));
        // The default's two pages (their names, made unique by Designer, are the saved form's
        // check), the second in front.
        QCOMPARE(c->count(), 2);
        QCOMPARE(c->widget(1), control->Page(1));
        QCOMPARE(c->currentIndex(), 1);
        c->setCurrentIndex(0);
        QCOMPARE(control->SelectedIndex(), 1);

        // Designer's "Insert Page After Current Page": its command hands the extension a page
        // widget of its own, which a WTabPage of the same name replaces.
        // The new page is selected, and the plugin has the form window refresh its selection.
        QUndoStack* history = form->commandHistory();
        QSignalSpy selection(form, &QDesignerFormWindowInterface::selectionChanged);
        auto* add = new qdesigner_internal::AddContainerWidgetPageCommand(form);
        add->init(control, qdesigner_internal::PageContainer,
                  qdesigner_internal::AddContainerWidgetPageCommand::InsertAfter);
        history->push(add);
        QCOMPARE(control->Count(), 3);
        QTRY_VERIFY(selection.count() > 0);
        WTabPage* added = control->Page(2);
        QCOMPARE(control->SelectedIndex(), 2);
        QVERIFY(added->TabButton() && added->TabButton()->isVisible());

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
        // A switch made any other way (a click on a tab, which the form editor lets through to
        // the passive tab) reaches the form window just the same.
        selection.clear();
        control->SetSelectedIndex(0);
        QTRY_VERIFY(selection.count() > 0);

        // Indices and pages the extension cannot take are ignored.
        c->insertWidget(0, nullptr);
        c->remove(7);
        QCOMPARE(control->Count(), 3);

        // Outside any form there is no form to register a replacement page with: a widget that is
        // not a page is refused.
        std::unique_ptr<QWidget> loose(
            core->widgetFactory()->createWidget(QStringLiteral("WTabControl"), nullptr));
        QDesignerContainerExtension* looseExtension = container(loose.get());
        QVERIFY(looseExtension);
        QWidget notAPage(loose.get());
        looseExtension->addWidget(&notAPage);
        QCOMPARE(looseExtension->count(), 0);
        QCOMPARE(looseExtension->currentIndex(), -1);
        looseExtension->addWidget(new WTabPage);
        QCOMPARE(looseExtension->count(), 1);
        QCOMPARE(looseExtension->currentIndex(), 0);
    }

    void propertiesSavedAndLoaded()
    {
        QDesignerFormWindowCursorInterface* cursor = form->cursor();
        QWidget* main = form->mainContainer();
        // Through the form's cursor, which runs the property editor's own command.
        for (const SamplerForm::Placement& p : SamplerForm::Placements()) {
            if (qstrcmp(p.parent, "Form") != 0)
                continue;
            QWidget* placed = SamplerForm::Find(main, p.object);
            QVERIFY2(placed, p.object); // a class the collection lost: a failure, not a crash
            cursor->setWidgetProperty(placed, QStringLiteral("geometry"), p.placed);
        }
        for (const SamplerForm::Setting& s : SamplerForm::Settings()) {
            QWidget* w = SamplerForm::Find(main, s.object);
            QVERIFY2(w, s.object);
            cursor->setWidgetProperty(w, s.property, SamplerForm::ValueFor(w, s.property, s.value));
        }
        QTRY_COMPARE(SamplerForm::Check(main).join(QLatin1Char('\n')), QString());

        const QString saved = form->contents();
        QFile file(QStringLiteral(WEXAL_FORM_FILE));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.write(saved.toUtf8()) > 0);
        // How Designer writes our properties (through setProperty, since our setters are not
        // Qt's setFoo; enumerations and flags with their scope) is what uic compiles: the uicform
        // project fails to build when it is wrong.

        // Loaded again in a second form window: the same widgets, pages and values.
        QDesignerFormWindowInterface* again = newFormWindow(saved);
        QVERIFY(QTest::qWaitForWindowExposed(hosts.last()));
        QTRY_COMPARE(SamplerForm::Check(again->mainContainer()).join(QLatin1Char('\n')), QString());
        QCOMPARE(widgetsIn(again->contents()), widgetsIn(saved));
    }

    // Designer's own order at exit: the forms, then the tool windows, then the core.
    void cleanupTestCase()
    {
        qDeleteAll(hosts);
        delete core->widgetBox();
        delete core->propertyEditor();
        delete core->objectInspector();
        delete core->actionEditor();
        delete core;
    }

private:
    QDesignerContainerExtension* container(QWidget* w) const
    {
        return qt_extension<QDesignerContainerExtension*>(core->extensionManager(), w);
    }

    // A form window inside a top-level host, as Designer embeds its form windows; with contents,
    // or else as the New Form dialog makes a form whose main widget is a WForm.
    QDesignerFormWindowInterface* newFormWindow(const QString& contents = QString())
    {
        auto* host = new QWidget;
        host->resize(1000, 760);
        hosts << host;
        QDesignerFormWindowInterface* fw = core->formWindowManager()->createFormWindow(host);
        fw->setContents(contents.isEmpty()
                            ? qdesigner_internal::WidgetDataBase::formTemplate(
                                  core, QStringLiteral("WForm"), QStringLiteral("Form"))
                            : contents);
        // The form window keeps the form at its own size, as Designer's form frame does.
        fw->resize(fw->mainContainer()->size());
        core->formWindowManager()->setActiveFormWindow(fw);
        host->show();
        return fw;
    }

    QDesignerFormEditorInterface* core = nullptr;
    QList<QDesignerCustomWidgetInterface*> ours;                   // the plugin's collection
    QMap<QString, QDesignerWidgetBoxInterface::Widget> boxEntries; // ours, by class
    QList<QWidget*> hosts;
    QDesignerFormWindowInterface* form = nullptr;
};

QTEST_MAIN(TestDesignerForm)
#include "tst_designerform.moc"
