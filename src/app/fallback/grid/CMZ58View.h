#pragma once

// Stand-in for the channel view until src/grid exists: same interface, a plain table.

#include "ImageCodec.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QTableWidget;

namespace mz58 {

class CMZ58View : public QWidget {
    Q_OBJECT
public:
    explicit CMZ58View(ImageState& state, QWidget* parent = nullptr);

    struct HeaderInfo {
        int comPort = 1;
        QString printerName;
        bool simulated = false;
    };
    void setHeaderInfo(const HeaderInfo& info);
    void onUpdate(int hint);
    int bank() const { return m_bank; }
    void setBank(int bank) { m_bank = bank; }
    static constexpr int kColumnGroupCount = 15;
    bool isColumnGroupShown(int group) const;
    void setColumnGroupShown(int group, bool shown);
    int currentHelpContext() const { return 0; }
    void relayout() {}

signals:
    void hexViewRequested();
    void helpRequested(int contextNumber);
    void statusMessage(const QString& text);

private:
    ImageState& m_state;
    HeaderInfo m_info;
    int m_bank = 0;
    std::array<bool, kColumnGroupCount> m_shown{};
    QLabel* m_header = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace mz58
