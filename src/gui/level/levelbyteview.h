// The level byte view: the level grid's codes and the level's pattern pixels as two read-only tables.
#pragma once

#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"
#include "common/userdialogs.h"

class LevelCodeTableModel;
class LevelDocument;
class LevelPixelTable;
class LevelPixelTableModel;
class QLabel;
class QPushButton;
class QTableView;

class LevelByteView : public DeferredWindow, public ActingWindow<LevelByteView> {
    Q_OBJECT
public:
    explicit LevelByteView(UserDialogs& dialogs, QWidget* parent = nullptr);
    // The level editor's document and pixel table, which the tables show as they are whenever painted.
    void setSources(const LevelDocument& document, const LevelPixelTable& pixels);

    // The tables read the document and the pixel table whenever they are painted: nothing else to bring
    // in line after a handler.
    void refresh() {}

private:
    // "Tabellen aktualisieren": both tables show the current values.
    void Button1Click();

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;

private:
    // Controls, found by tests through their objectName.
    QLabel* Panel1 = nullptr;
    QTableView* GridLeveldata = nullptr;
    QLabel* Panel2 = nullptr;
    QTableView* GridBit = nullptr;
    QPushButton* Button1 = nullptr;

    static QTableView* makeTable(const char* name, QWidget* parent);
    void attachModels();

    const LevelDocument* mDocument = nullptr;
    const LevelPixelTable* mPixelTable = nullptr;
    LevelCodeTableModel* mCodes = nullptr;
    LevelPixelTableModel* mPixels = nullptr;
    bool mPlaced = false;
};
