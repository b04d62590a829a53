#pragma once

#include <QObject>

class VCanvas;

// A floating panel on the canvas that starts each drawing tool.
class VExampleTools : public QObject
{
    Q_OBJECT

public:
    explicit VExampleTools(VCanvas* canvas);

public slots:
    void startLine();
    void startPolyline();
    void startPolygon();
    void startRectangle();
    void startText();

private:
    VCanvas* m_pCanvas;
};
