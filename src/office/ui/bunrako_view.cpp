#include "office/ui/bunrako_view.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/dropped_files.h"
#include "catalogue/kanren_file.h"
#include "catalogue/ui/catalogue_tab_commands.h"
#include "catalogue/ui/related_file_commands.h"
#include "catalogue/ui/tool_commands.h"
#include "common/clock.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "office/desktop_tools.h"
#include "office/document_data.h"
#include "office/ui/command_catalogue.h"
#include "office/ui/list_fillers.h"
#include "office/ui/qt_text.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"
#include "office/ui/texts.h"
#include "office/ui/wait_cursor.h"
#include "register/texts.h"
#include "register/ui/register_tab_commands.h"
#include "settings/outside_programs.h"
#include "volumes/doc_master_data.h"
#include "volumes/ui/volume_tab_commands.h"
#include "volumes/ui/year_end_commands.h"
#include "volumes/volume_list_cells.h"

namespace bunrako {
namespace {

constexpr int kVolumes = tabIndex(RegisterTab::volumes);
constexpr int kIndexCatalogue = tabIndex(RegisterTab::indexCatalogue);
constexpr int kRelatedFiles = tabIndex(RegisterTab::relatedFiles);
// A click on this column header of any list toggles the title order.
constexpr int kTitleOrderColumn = static_cast<int>(VolumeListColumn::title);

// The narrowest width a clerk can give a column.
constexpr int kNarrowestColumn = 8;

bool isValidTab(int tab) { return tab >= 0 && tab < kRegisterTabCount; }

bool isPlainKey(const QKeyEvent* key) {
    return !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

QString initialCaption(int tab) {
    switch (static_cast<RegisterTab>(tab)) {
        case RegisterTab::titleRegister:
            return QString::fromUtf8(register_::texts::kCaptionAllYears);
        case RegisterTab::volumes:
        case RegisterTab::permanent:
        case RegisterTab::disposed:
        case RegisterTab::retentionChange:
            return QString::fromUtf8(registerTabInfo(tab).tabCaption);
        case RegisterTab::indexCatalogue:
        case RegisterTab::relatedFiles:
            break;
    }
    return {};  // these name their volume or document once filled
}

}  // namespace

CBunrakoView::CBunrakoView(const DesktopPorts& ports, DocumentData& document, QWidget* parent)
    : QWidget(parent), m_ports(ports), m_document(document) {
    m_tabBar = new QTabBar(this);
    m_tabBar->setExpanding(false);
    m_tabBar->setFocusPolicy(Qt::StrongFocus);
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        m_tabBar->addTab(QString::fromUtf8(registerTabInfo(tab).tabCaption));
        m_captions[static_cast<size_t>(tab)] = initialCaption(tab);
    }
    m_tabBar->installEventFilter(this);

    m_captionLine = new QLineEdit(this);
    m_captionLine->setReadOnly(true);
    // The clerk may select and copy the caption, also from the keyboard.
    m_captionLine->setFocusPolicy(Qt::StrongFocus);
    m_captionLine->setAccessibleName(QString::fromUtf8(office::ui::texts::kCaptionLineName));
    // Files dropped on it go to the view like anywhere else in the window.
    m_captionLine->setAcceptDrops(false);

    m_stack = new QStackedWidget(this);
    buildLists();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_tabBar);
    layout->addWidget(m_captionLine);
    layout->addWidget(m_stack, 1);

    m_fillers = new ListFillers(*this, m_document);
    m_volumeCommands = new VolumeTabCommands(*this, m_document, m_ports);
    m_yearEndCommands = new YearEndCommands(*this, m_document, m_ports);

    setAcceptDrops(true);
    connect(m_tabBar, &QTabBar::currentChanged, this, &CBunrakoView::selectTab);
}

void CBunrakoView::buildLists() {
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        const RegisterTabInfo& info = registerTabInfo(tab);
        auto* list = new QTableView(m_stack);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode(info.multiSelection ? QAbstractItemView::ExtendedSelection
                                                   : QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setShowGrid(true);
        list->setWordWrap(false);
        list->setTabKeyNavigation(false);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        list->verticalHeader()->setVisible(false);
        list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        // Rows as close as a report list's: the style's default leaves room
        // for editors that these lists never open.
        list->verticalHeader()->setMinimumSectionSize(1);
        list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
        // Columns as narrow as 30 pixels keep their width: the header's
        // own minimum follows the widest character of the font.
        list->horizontalHeader()->setMinimumSectionSize(kNarrowestColumn);
        list->horizontalHeader()->setSectionsMovable(true);
        list->horizontalHeader()->setHighlightSections(false);
        list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        list->setAccessibleName(QString::fromUtf8(info.tabCaption));
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        m_lists[static_cast<size_t>(tab)] = list;
        m_stack->addWidget(list);

        const auto registerTab = static_cast<RegisterTab>(tab);
        connect(
            list, &QWidget::customContextMenuRequested, this,
            [this, registerTab](const QPoint& position) { onRightClick(registerTab, position); });
        connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
            if (column == kTitleOrderColumn) runCommand(CommandId::volumeTitleOrder);
        });
        attachModel(registerTab, new TextRowModel(info.columns, textRowCell, this));
    }
}

void CBunrakoView::setListModel(RegisterTab tab, RegisterListModel* model) {
    RegisterListModel* old = m_models[tabIndex(tab)];
    model->setParent(this);
    attachModel(tab, model);
    if (old && old != model) old->deleteLater();
}

void CBunrakoView::attachModel(RegisterTab tab, RegisterListModel* model) {
    QTableView* list = m_lists[tabIndex(tab)];
    QItemSelectionModel* oldSelection = list->selectionModel();
    m_models[tabIndex(tab)] = model;
    list->setModel(model);
    if (oldSelection) oldSelection->deleteLater();
    for (int column = 0; column < model->columnCount(); ++column) {
        list->setColumnWidth(column, model->columnWidth(column));
    }
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CBunrakoView::commandStatesChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &CBunrakoView::commandStatesChanged);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CBunrakoView::commandStatesChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CBunrakoView::commandStatesChanged);
}

void CBunrakoView::setTabRefresher(RegisterTab tab, std::function<void()> refresher) {
    m_refreshers[tabIndex(tab)] = std::move(refresher);
}

void CBunrakoView::setTabCaption(RegisterTab tab, const QString& caption) {
    m_captions[tabIndex(tab)] = caption;
    if (tabIndex(tab) == m_currentTab) showCaption(m_currentTab);
}

QString CBunrakoView::captionLineText() const { return m_captionLine->text(); }

int CBunrakoView::rowCount(RegisterTab tab) const { return listModel(tab)->rowCount(); }

int CBunrakoView::selectedCount(RegisterTab tab) const {
    const QItemSelectionModel* selection = list(tab)->selectionModel();
    return selection ? selectedRowCount(*selection) : 0;
}

bool CBunrakoView::hasSelection(RegisterTab tab) const {
    const QItemSelectionModel* selection = list(tab)->selectionModel();
    return selection && selection->hasSelection();
}

void CBunrakoView::OnInitialUpdate() { switchTo(kVolumes); }

void CBunrakoView::OnDocumentLoaded() { switchTo(kVolumes); }

// ---- Tabs ------------------------------------------------------------------

void CBunrakoView::selectTab(int tab) {
    if (!isValidTab(tab)) return;
    if (tab == kIndexCatalogue && !hasSelection(RegisterTab::volumes)) {
        m_ports.prompt.showMessage(office::ui::texts::kSelectVolumeFirst, {}, MessageIcon::warning);
        m_fillers->clearCatalogue();
        tab = kVolumes;
    } else if (tab == kRelatedFiles && !hasSelection(RegisterTab::indexCatalogue) &&
               !hasSelection(RegisterTab::titleRegister)) {
        m_ports.prompt.showMessage(office::ui::texts::kSelectDocumentFirst, {},
                                   MessageIcon::warning);
        m_fillers->clearRelatedFiles();
        tab = kVolumes;
    }
    switchTo(tab);
}

// The steps of a tab switch without the selection checks.
void CBunrakoView::switchTo(int tab) {
    const WaitCursor wait;
    refreshTab(tab);
    showTab(tab);
    showCaption(tab);
    setTabTitle(tab);
    emit tabChanged(tab);
    emit commandStatesChanged();
}

void CBunrakoView::refreshTab(int tab) {
    if (tab == kIndexCatalogue && !hasSelection(RegisterTab::volumes)) {
        m_ports.prompt.showMessage(office::ui::texts::kSelectVolumeFirst, {}, MessageIcon::warning);
        m_fillers->clearCatalogue();
        return;
    }
    if (const auto& refresher = m_refreshers[static_cast<size_t>(tab)]) refresher();
}

void CBunrakoView::showTab(int tab) {
    m_currentTab = tab;
    const QSignalBlocker block(m_tabBar);
    m_tabBar->setCurrentIndex(tab);
    m_stack->setCurrentIndex(tab);
}

void CBunrakoView::refill(RegisterTab tab) {
    refreshTab(tabIndex(tab));
    if (tabIndex(tab) == m_currentTab) showCaption(m_currentTab);
    emit commandStatesChanged();
}

void CBunrakoView::showCaption(int tab) {
    m_captionLine->setText(m_captions[static_cast<size_t>(tab)]);
    m_captionLine->setCursorPosition(0);
}

void CBunrakoView::setTabTitle(int tab) {
    emit titleChanged(QString::fromUtf8(registerTabInfo(tab).tabCaption));
}

// ---- Commands ----------------------------------------------------------------

bool CBunrakoView::isCommandEnabled(CommandId id) const {
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        const auto& needSelection = registerTabInfo(tab).needSelection;
        if (std::find(needSelection.begin(), needSelection.end(), id) != needSelection.end()) {
            return hasSelection(static_cast<RegisterTab>(tab));
        }
    }
    return true;
}

bool CBunrakoView::isCommandChecked(CommandId id) const {
    return id == CommandId::volumeTitleOrder && m_titleOrder;
}

void CBunrakoView::runCommand(CommandId id) {
    if (!isCommandEnabled(id)) return;
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        if (registerTabInfo(tab).selectAll == id) {
            toggleSelectAll(static_cast<RegisterTab>(tab));
            return;
        }
    }
    if (id == CommandId::volumeTitleOrder) {
        setTitleOrder(!m_titleOrder);
        return;
    }
    if (runTool(id)) return;
    if (m_volumeCommands->run(id)) return;
    if (m_yearEndCommands->run(id)) return;
    if (RegisterTabCommands(m_ports, m_document, *this).run(id)) return;
    if (CatalogueTabCommands(m_ports, m_document, *this).run(id)) return;
    if (runRelatedFileCommand(id)) return;
    showNotYetAvailable(m_ports.prompt, id);
}

bool CBunrakoView::runRelatedFileCommand(CommandId id) {
    CKanrenFile& list = m_document.relatedFiles();
    const CKanrenFileData* chosen = m_fillers->selectedRelatedFile();
    bool changed = false;
    switch (id) {
        case CommandId::relatedAdd:
            if (list.filePath().empty()) {
                m_ports.prompt.showMessage(office::ui::texts::kSelectDocumentFirst, {},
                                           MessageIcon::warning);
                return true;
            }
            changed = RelatedFileCommands::add(this, m_ports, list);
            break;
        case CommandId::relatedChange:
            changed = chosen && RelatedFileCommands::change(this, m_ports, list, *chosen);
            break;
        case CommandId::relatedDelete:
            changed = chosen && RelatedFileCommands::remove(m_ports, list, *chosen);
            break;
        default:
            return false;
    }
    if (changed) refreshTab(kRelatedFiles);
    return true;
}

const CDocMasterData* CBunrakoView::firstSelectedVolume(RegisterTab tab) const {
    if (tab != RegisterTab::volumes && tab != RegisterTab::permanent &&
        tab != RegisterTab::disposed) {
        return nullptr;
    }
    const auto* volumes = dynamic_cast<const RecordListModel<CDocMasterData>*>(listModel(tab));
    if (!volumes) return nullptr;
    const int first = firstSelectedRow(*list(tab)->selectionModel());
    return first < 0 ? nullptr : &volumes->record(first);
}

// The outside tools; each does nothing while the settings leave it off.
bool CBunrakoView::runTool(CommandId id) {
    DesktopTools tools(m_ports.prompt, m_ports.shell, m_ports.fileBrowser);
    // The stored programs, or this computer's own where they do not exist.
    const CShokiSetteiData settings =
        withProgramsOfThisComputer(m_document.m_settings.Current(), m_ports.shell);
    const auto current = static_cast<RegisterTab>(m_currentTab);
    switch (id) {
        case CommandId::personalFolder:
            tools.OpenPersonalFolder(settings);
            return true;
        case CommandId::wordProcessor:
        case CommandId::spreadsheet:
            tools.OpenGeneralDocument(settings, m_document.m_strDataFolder,
                                      id == CommandId::wordProcessor
                                          ? DesktopTools::DocumentKind::wordProcessor
                                          : DesktopTools::DocumentKind::spreadsheet,
                                      firstSelectedVolume(current));
            return true;
        case CommandId::fileManager: {
            // The volume of the list on screen, else the one chosen in the
            // volume list (the register and catalogue tabs belong to it).
            const CDocMasterData* volume = firstSelectedVolume(current);
            if (!volume) volume = firstSelectedVolume(RegisterTab::volumes);
            tools.OpenFileManager(settings, volume, m_document.m_classification);
            return true;
        }
        case CommandId::fileSearch:
            ToolCommands::searchFiles(this, m_ports, m_document);
            return true;
        case CommandId::registeredForms:
            ToolCommands::registeredForms(this, m_ports, m_document);
            return true;
        default:
            return false;
    }
}

void CBunrakoView::toggleSelectAll(RegisterTab tab) {
    const int rows = rowCount(tab);
    if (rows == 0) return;
    QTableView* view = list(tab);
    if (selectedCount(tab) == rows) {
        view->selectionModel()->clearSelection();
    } else {
        view->selectAll();
    }
}

void CBunrakoView::setTitleOrder(bool on) {
    if (on == m_titleOrder) return;
    m_titleOrder = on;
    {
        const WaitCursor wait;
        refreshTab(kVolumes);
    }
    showCaption(m_currentTab);
    emit commandStatesChanged();
}

// ---- Keys and mouse ------------------------------------------------------------

int CBunrakoView::tabOfList(const QObject* object) const {
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        const QTableView* view = m_lists[static_cast<size_t>(tab)];
        if (object == view || object == view->viewport()) return tab;
    }
    return -1;
}

bool CBunrakoView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isPlainKey(key)) return false;
        if (watched == m_tabBar) {
            const char passed = registerTabInfo(m_currentTab).tabBarKey;
            if ((passed == 'F' && key->key() == Qt::Key_F) ||
                (passed == 'T' && key->key() == Qt::Key_T)) {
                return handleKey(m_currentTab, key->key());
            }
            return false;
        }
        const int tab = tabOfList(watched);
        return tab >= 0 && handleKey(tab, key->key());
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const int tab = tabOfList(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (tab >= 0 && watched != m_lists[static_cast<size_t>(tab)] &&
            mouse->button() == Qt::LeftButton) {
            onDoubleClick(
                static_cast<RegisterTab>(tab),
                m_lists[static_cast<size_t>(tab)]->indexAt(mouse->position().toPoint()).row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CBunrakoView::handleKey(int tab, int key) {
    const RegisterTabInfo& info = registerTabInfo(tab);
    const CommandId command = key == Qt::Key_F   ? info.keyF
                              : key == Qt::Key_T ? info.keyT
                                                 : kSeparator;
    if (command == kSeparator) return false;
    runCommand(command);
    return true;
}

void CBunrakoView::onDoubleClick(RegisterTab tab, int row) {
    switch (tab) {
        case RegisterTab::titleRegister:
            runCommand(CommandId::registerChange);
            break;
        case RegisterTab::volumes:
        case RegisterTab::permanent:
        case RegisterTab::disposed:
            // The volume under the pointer, as clerks expect of a list.
            m_volumeCommands->changeVolumeAt(tab, row);
            break;
        case RegisterTab::indexCatalogue:
            runCommand(CommandId::indexChange);
            break;
        case RegisterTab::relatedFiles:
            if (const CKanrenFileData* file = m_fillers->selectedRelatedFile()) {
                DesktopTools(m_ports.prompt, m_ports.shell, m_ports.fileBrowser)
                    .OpenRelatedFile(*file);
            }
            break;
        default:
            break;
    }
}

void CBunrakoView::onRightClick(RegisterTab tab, const QPoint& position) {
    switch (tab) {
        case RegisterTab::volumes:
            switchTo(kIndexCatalogue);
            break;
        case RegisterTab::indexCatalogue:
            if (hasSelection(tab)) switchTo(kRelatedFiles);
            break;
        case RegisterTab::relatedFiles:
            if (const CKanrenFileData* file = m_fillers->selectedRelatedFile()) {
                DesktopTools(m_ports.prompt, m_ports.shell, m_ports.fileBrowser)
                    .OpenRelatedFileFolder(
                        withProgramsOfThisComputer(m_document.m_settings.Current(), m_ports.shell),
                        *file);
            } else {
                runCommand(CommandId::fileManager);
            }
            break;
        default:
            emit contextMenuRequested(tabIndex(tab), list(tab)->viewport()->mapToGlobal(position));
            break;
    }
}

bool CBunrakoView::takesDroppedFiles(const QMimeData* mime) const {
    return m_currentTab == kRelatedFiles && mime && mime->hasUrls();
}

void CBunrakoView::dragEnterEvent(QDragEnterEvent* event) {
    if (takesDroppedFiles(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CBunrakoView::dropEvent(QDropEvent* event) {
    if (!takesDroppedFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    addRelatedFiles(event->mimeData()->urls());
}

void CBunrakoView::addRelatedFiles(const QList<QUrl>& urls) {
    if (m_currentTab != kRelatedFiles) return;
    std::vector<std::string> paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            paths.push_back(toStdString(QDir::toNativeSeparators(url.toLocalFile())));
        }
    }
    if (paths.empty()) return;
    const WaitCursor wait;
    AddDroppedFiles(m_document.relatedFiles(), paths, m_ports.clock.now());
    refreshTab(kRelatedFiles);
}

}  // namespace bunrako
