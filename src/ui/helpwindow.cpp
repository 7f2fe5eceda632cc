#include "ui/helpwindow.h"

#include "ui/helpbrowser.h"
#include "ui/helptopics.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace plenara {

namespace {

const QString kTitle = QStringLiteral("Plenara Help");
constexpr int kWidth = 1060;
constexpr int kHeight = 680;
constexpr int kNavigationWidth = 320;

} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent)
    // A window of its own that stays with the main window and closes with it.
    : QWidget(parent, Qt::Window)
    , m_engine(new QHelpEngine(collectionFile, this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(kTitle);
    m_engine->setReadOnly(true);
    if (!m_engine->setupData()) {
        m_problem = QStringLiteral("The help file %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(collectionFile), m_engine->error());
    } else {
        m_problem = checkDocumentation();
    }
    buildWidgets();
    resize(kWidth, kHeight);
}

HelpWindow::~HelpWindow() = default;

QString HelpWindow::checkDocumentation() const {
    // The collection names the help book beside it; without the book the window would be
    // empty.
    const QStringList books = m_engine->registeredDocumentations();
    if (books.isEmpty()) {
        return QStringLiteral("The help file %1 holds no help book.")
            .arg(QDir::toNativeSeparators(m_engine->collectionFile()));
    }
    for (const QString& book : books) {
        const QString file = m_engine->documentationFileName(book);
        if (!QFileInfo::exists(file)) {
            return QStringLiteral("The help file %1 is missing.")
                .arg(QDir::toNativeSeparators(file));
        }
    }
    return {};
}

void HelpWindow::buildWidgets() {
    m_browser = new HelpBrowser(*m_engine, this);

    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    contents->setHeaderHidden(true);
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(1);
        selectInContents(m_browser->source());
    });

    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) {
                if (!documents.isEmpty()) {
                    showPage(documents.constFirst().url);
                }
            });

    auto* indexPage = new QWidget(this);
    m_indexFilter = new QLineEdit(indexPage);
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_indexFilter->setPlaceholderText(QStringLiteral("Look for:"));
    m_indexFilter->setClearButtonEnabled(true);
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index);

    m_navigation = new QTabWidget(this);
    m_navigation->setObjectName(QStringLiteral("helpNavigation"));
    m_navigation->addTab(contents, QStringLiteral("Contents"));
    m_navigation->addTab(indexPage, QStringLiteral("Index"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_navigation);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kNavigationWidth, kWidth - kNavigationWidth});

    auto* toolBar = new QToolBar(this);
    QAction* back = toolBar->addAction(QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
    QAction* forward =
        toolBar->addAction(QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    toolBar->addAction(QStringLiteral("Overview"), this,
                       [this] { showPage(helpTopicUrl(*m_engine, 0)); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::selectInContents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Esc puts the help away, as it closes a dialog; the page, the contents and the index
    // leave the key to the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showContents() {
    m_navigation->setCurrentIndex(0);
    showPage(helpTopicUrl(*m_engine, 0));
    bringToFront();
}

void HelpWindow::showTopic(int context) {
    showPage(helpTopicUrl(*m_engine, context));
    bringToFront();
}

QUrl HelpWindow::currentPage() const {
    return m_browser->source();
}

void HelpWindow::showPage(const QUrl& page) {
    if (page.isValid() && page != m_browser->source()) {
        m_browser->setSource(page);
    }
}

void HelpWindow::selectInContents(const QUrl& page) {
    QHelpContentWidget* contents = m_engine->contentWidget();
    QModelIndex entry = contents->indexOf(page);
    // A section that opens the page of its first part ("Inputs", "Monthly utility data")
    // gives way to that part, the entry the page is about.
    QHelpContentModel* model = m_engine->contentModel();
    for (bool deeper = entry.isValid(); deeper;) {
        deeper = false;
        for (int row = 0; row < model->rowCount(entry) && !deeper; ++row) {
            const QModelIndex child = model->index(row, 0, entry);
            const QHelpContentItem* item = model->contentItemAt(child);
            if (item && item->url() == page) {
                entry = child;
                deeper = true;
            }
        }
    }
    if (entry.isValid()) {
        contents->setCurrentIndex(entry);
        contents->scrollTo(entry);
    }
}

void HelpWindow::bringToFront() {
    // Over a modal dialog (the print options, the payback graph) the help must be modal too,
    // or the dialog would block it; it goes back to an ordinary window once no dialog is open.
    const QWidget* dialog = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        dialog && dialog != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        const bool shown = isVisible();
        hide();
        setWindowModality(modality);
        if (shown) {
            show();
        }
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

} // namespace plenara
