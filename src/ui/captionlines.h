#pragma once

#include "engine/captiontext.h"

#include <string>
#include <vector>

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace plenara {

// A column of one-line result labels in the fixed-pitch font, one per caption of a result
// panel, shown in their shown form (a stored "&&" as "&") and bold where the caption says.
class CaptionLines : public QWidget {
    Q_OBJECT

public:
    explicit CaptionLines(int count, qreal pointSize = 10.0, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(m_labels.size()); }
    QLabel* label(int index) const { return m_labels.at(static_cast<std::size_t>(index)); }

    void setCaption(int index, const Caption& caption);
    void setCaption(int index, const std::string& text, bool bold = false);

    template <typename Captions>
    void setCaptions(const Captions& captions) {
        int i = 0;
        for (const auto& caption : captions) {
            if (i >= count()) {
                break;
            }
            setCaption(i++, caption);
        }
    }

private:
    std::vector<QLabel*> m_labels;
};

} // namespace plenara
