// The level byte view: the level grid's codes and the level's pattern pixels as two read-only tables.
#pragma once

#include "common/guard.h"
#include "common/userdialogs.h"

#include <QWidget>

class LevelCodeTableModel;
class LevelDocument;
class LevelPixelTable;
class LevelPixelTableModel;
class QLabel;
class QPushButton;
class QTableView;

class TFormMapData : public QWidget {
    Q_OBJECT
public:
    explicit TFormMapData(UserDialogs& dialogs, QWidget* parent = nullptr);
    // The level editor's document and pixel table, which the tables show as they are whenever painted.
    void setSources(const LevelDocument& document, const LevelPixelTable& pixels);

    // "Tabellen aktualisieren": both tables show the current values.
    void Button1Click();

    QLabel* Panel1;
    QTableView* GridLeveldata;
    QLabel* Panel2;
    QTableView* GridBit;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    template <class F>
    void act(F&& handler)
    {
        Guarded(mDialogs, std::forward<F>(handler));
    }
    static QTableView* makeTable(const char* name, QWidget* parent);

    UserDialogs& mDialogs;
    LevelCodeTableModel* mCodes = nullptr;
    LevelPixelTableModel* mPixels = nullptr;
    bool mPlaced = false;
};
