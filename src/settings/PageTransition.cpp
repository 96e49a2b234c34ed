#include "settings/PageTransition.h"

#include <QPainter>
#include <QVariantAnimation>

PageTransition::PageTransition(QWidget* page)
    : QWidget(page->parentWidget())
    , m_page(page)
    , m_animation(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QString());
    hide();
    m_animation->setDuration(kDurationMs);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_progress = value.toReal();
        update();
    });
    connect(m_animation, &QVariantAnimation::finished, this, [this] {
        hide();
        m_picture = QPixmap();
    });
}

void PageTransition::run()
{
    m_animation->stop();
    m_picture = m_page->grab();
    setGeometry(m_page->geometry());
    m_progress = 0.0;
    show();
    raise();
    m_animation->start();
}

bool PageTransition::isRunning() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void PageTransition::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The page underneath is hidden by the window's colour; the picture fades in over it.
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const qreal scale = kStartScale + (1.0 - kStartScale) * m_progress;
    painter.setOpacity(m_progress);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF size = QSizeF(rect().size()) * scale;
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(target, m_picture, QRectF(m_picture.rect()));
}
