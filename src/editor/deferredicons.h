#pragma once

#include <QProxyStyle>

namespace tildora {

// The desktop's style, with its standard icons read when first drawn rather
// than when asked for. Qt's menu bar asks for its overflow arrow as it is
// made, and reading that one picture loads every image-format plug-in Qt has
// (TIFF, WebP, MNG, …) before the window's first frame.
class DeferredIconStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace tildora
