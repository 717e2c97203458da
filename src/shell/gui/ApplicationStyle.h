#pragma once

#include <QProxyStyle>

// The application's style: the one Qt chose for the platform, except that
// the standard icons of the menu bar and the tool bars decode their pictures
// when first shown (IconeStandard). Qt's style decodes every picture of the
// bars' extension arrows as the bars are built, though they show only when
// the window is narrower than its menus; and the first picture Qt's image
// reader reads opens every image plugin of the system, to ask each whether
// it reads that file. Built this way, the bars read no picture, and the
// plugins are opened on the start-up's second thread (PreparerApplication).
class TStyleApplication : public QProxyStyle {
public:
    // Takes `base` (which must not be null), as QProxyStyle does.
    explicit TStyleApplication(QStyle* base);

    QIcon standardIcon(StandardPixmap icone, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
