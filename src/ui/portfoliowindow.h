#pragma once

#include "climate/climatedata.h"
#include "portfolio/buildinginput.h"
#include "portfolio/portfolioscreen.h"
#include "portfolio/resultwriter.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace plenara {

class FileDialogs;
class PortfolioResultsModel;

// "Screen a Portfolio": the inputs to screen (project files, folders, CSV pairs), the results
// in a table that sorts by any column, a progress bar and Cancel while the screening runs on
// a thread of its own (the window stays responsive and takes the rows in batches), "Open" to
// load a building into the main window, and export of the table to CSV or XLSX.
class PortfolioWindow : public QWidget {
    Q_OBJECT

public:
    using OpenBuilding = std::function<void(const BuildingOrigin&)>;
    using ChooseFolder = std::function<QString(QWidget*)>;

    PortfolioWindow(const ClimateTable& climate, const EmissionData& emissions,
                    FileDialogs& dialogs, OpenBuilding openBuilding, QWidget* parent = nullptr);
    ~PortfolioWindow() override;

    // The inputs as a screening takes them, in order.
    void setInputs(const QStringList& inputs);
    QStringList inputs() const;
    // How a folder is chosen ("Add Folder..."); the platform's dialog unless a test sets it.
    void setFolderChooser(ChooseFolder choose) { m_chooseFolder = std::move(choose); }

    void start();
    void cancel();
    bool isRunning() const { return m_worker.joinable(); }
    const ScreenSummary& summary() const { return m_finalSummary; }

    PortfolioResultsModel& model() const { return *m_model; }
    QTableView& table() const { return *m_table; }
    // Writes the rows in the order the table shows them. Returns why not, or an empty text.
    QString exportTo(const QString& path, ResultFileFormat format) const;
    // Opens the building of the table's row `row` (in the order shown).
    void openRow(int row);

signals:
    // The screening ended, by its last building or by Cancel.
    void finished();

private:
    void addFiles();
    void addFolder();
    void exportWithDialog(ResultFileFormat format);
    void takeRows();
    void updateControls();

    // Copies: the screening thread may outlive the main window's.
    const ClimateTable m_climate;
    const EmissionData m_emissions;
    FileDialogs& m_dialogs;
    OpenBuilding m_openBuilding;
    ChooseFolder m_chooseFolder;

    QListWidget* m_inputs;
    QPushButton* m_screen;
    QPushButton* m_cancel;
    QPushButton* m_open;
    QPushButton* m_exportCsv;
    QPushButton* m_exportXlsx;
    QProgressBar* m_progress;
    QLabel* m_status;
    PortfolioResultsModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
    QTimer m_poll;

    // Shared with the screening thread.
    std::thread m_worker;
    std::atomic<bool> m_cancelRequested{false};
    std::atomic<bool> m_done{false};
    std::mutex m_mutex;
    std::vector<ScreenRow> m_ready; // rows screened, not yet in the table
    double m_fraction = 0.0;
    ScreenSummary m_summary;
    std::vector<std::string> m_notes;

    ScreenSummary m_finalSummary;
    std::chrono::steady_clock::time_point m_started;
};

} // namespace plenara
