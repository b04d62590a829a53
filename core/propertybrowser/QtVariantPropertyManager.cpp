// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtVariantPropertyManager.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace {

const QString kMinimum = QStringLiteral("minimum");
const QString kMaximum = QStringLiteral("maximum");
const QString kSingleStep = QStringLiteral("singleStep");
const QString kDecimals = QStringLiteral("decimals");
const QString kEnumNames = QStringLiteral("enumNames");

// Wide enough for any coordinate of a picture, narrow enough for a spin box.
constexpr double kDefaultLimit = 1e6;

QVariantMap defaultAttributes(int type)
{
    if (type == QMetaType::Double)
        return {{kMinimum, -kDefaultLimit},
                {kMaximum, kDefaultLimit},
                {kSingleStep, 1.0},
                {kDecimals, 2}};
    if (type == QMetaType::Int)
        return {{kMinimum, -int(kDefaultLimit)}, {kMaximum, int(kDefaultLimit)}, {kSingleStep, 1}};
    if (type == QtVariantPropertyManager::enumTypeId())
        return {{kEnumNames, QStringList()}};
    return {};
}

QVariant defaultValue(int type)
{
    if (type == QtVariantPropertyManager::enumTypeId())
        return 0;
    return QVariant(QMetaType(type));
}

QPixmap checkMark(bool checked)
{
    QStyleOptionButton option;
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    const QStyle* style = QApplication::style();
    option.rect = QRect(QPoint(0, 0), QSize(style->pixelMetric(QStyle::PM_IndicatorWidth),
                                            style->pixelMetric(QStyle::PM_IndicatorHeight)));
    QPixmap pixmap(option.rect.size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
    return pixmap;
}

} // namespace

QtVariantPropertyManager::QtVariantPropertyManager(QObject* parent)
    : QtAbstractPropertyManager(parent)
{
}

QtVariantPropertyManager::~QtVariantPropertyManager()
{
    clear();
}

int QtVariantPropertyManager::enumTypeId()
{
    return qMetaTypeId<QtEnumPropertyType>();
}

QtProperty* QtVariantPropertyManager::addProperty(int propertyType, const QString& name)
{
    if (!isPropertyTypeSupported(propertyType))
        return nullptr;
    m_nNextType = propertyType;
    return QtAbstractPropertyManager::addProperty(name);
}

bool QtVariantPropertyManager::isPropertyTypeSupported(int propertyType) const
{
    switch (propertyType) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::Bool:
    case QMetaType::QString:
    case QMetaType::QColor:
    case QMetaType::QFont:
        return true;
    default:
        return propertyType == enumTypeId();
    }
}

int QtVariantPropertyManager::propertyType(const QtProperty* property) const
{
    return m_data.value(property).type;
}

QVariant QtVariantPropertyManager::value(const QtProperty* property) const
{
    return m_data.value(property).value;
}

QVariant QtVariantPropertyManager::attributeValue(const QtProperty* property,
                                                  const QString& attribute) const
{
    return m_data.value(property).attributes.value(attribute);
}

QVariant QtVariantPropertyManager::acceptableValue(const QtProperty* property,
                                                   const QVariant& value) const
{
    const auto it = m_data.constFind(property);
    if (it == m_data.constEnd() || !value.isValid())
        return QVariant();
    const Data& data = *it;
    const int type = data.type == enumTypeId() ? int(QMetaType::Int) : data.type;
    QVariant converted = value;
    if (converted.metaType().id() != type && !converted.convert(QMetaType(type)))
        return QVariant();
    if (data.type == QMetaType::Double) {
        const double number = converted.toDouble();
        if (!std::isfinite(number))
            return QVariant();
        return qBound(data.attributes.value(kMinimum).toDouble(), number,
                      data.attributes.value(kMaximum).toDouble());
    }
    if (data.type == QMetaType::Int)
        return qBound(data.attributes.value(kMinimum).toInt(), converted.toInt(),
                      data.attributes.value(kMaximum).toInt());
    if (data.type == enumTypeId()) {
        const int index = converted.toInt();
        if (index < 0 || index >= data.attributes.value(kEnumNames).toStringList().size())
            return QVariant();
    }
    if (data.type == QMetaType::QColor && !converted.value<QColor>().isValid())
        return QVariant();
    return converted;
}

void QtVariantPropertyManager::setValue(QtProperty* property, const QVariant& value)
{
    const QVariant accepted = acceptableValue(property, value);
    if (!accepted.isValid())
        return;
    Data& data = m_data[property];
    if (data.value == accepted)
        return;
    data.value = accepted;
    emit propertyChanged(property);
    emit valueChanged(property, accepted);
}

void QtVariantPropertyManager::setAttribute(QtProperty* property, const QString& attribute,
                                            const QVariant& value)
{
    const auto it = m_data.find(property);
    if (it == m_data.end() || !it->attributes.contains(attribute) ||
        it->attributes.value(attribute) == value)
        return;
    it->attributes.insert(attribute, value);
    emit attributeChanged(property, attribute, value);
    // A narrower range takes the value along.
    setValue(property, it->value);
    emit propertyChanged(property);
}

QString QtVariantPropertyManager::valueText(const QtProperty* property) const
{
    const auto it = m_data.constFind(property);
    if (it == m_data.constEnd())
        return QString();
    const QVariant& value = it->value;
    switch (it->type) {
    case QMetaType::Double:
        return QLocale().toString(value.toDouble(), 'f', it->attributes.value(kDecimals).toInt());
    case QMetaType::Int:
        return QLocale().toString(value.toInt());
    case QMetaType::Bool:
        return value.toBool() ? tr("True") : tr("False");
    case QMetaType::QString:
        // One line: a line break shows as the sign the editor uses for it.
        return value.toString().replace(QLatin1Char('\n'), QChar(0x21B5));
    case QMetaType::QColor: {
        const QColor color = value.value<QColor>();
        return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
    }
    case QMetaType::QFont: {
        const QFont font = value.value<QFont>();
        return QStringLiteral("%1, %2").arg(font.family(), QLocale().toString(font.pointSizeF()));
    }
    default:
        return it->attributes.value(kEnumNames).toStringList().value(value.toInt());
    }
}

QIcon QtVariantPropertyManager::valueIcon(const QtProperty* property) const
{
    const auto it = m_data.constFind(property);
    if (it == m_data.constEnd())
        return QIcon();
    if (it->type == QMetaType::QColor)
        return QIcon(colorSwatch(it->value.value<QColor>()));
    if (it->type == QMetaType::Bool)
        return QIcon(checkMark(it->value.toBool()));
    return QIcon();
}

void QtVariantPropertyManager::initializeProperty(QtProperty* property)
{
    Data data;
    data.type = m_nNextType;
    data.value = defaultValue(data.type);
    data.attributes = defaultAttributes(data.type);
    m_data.insert(property, data);
    m_nNextType = QMetaType::UnknownType;
}

void QtVariantPropertyManager::uninitializeProperty(QtProperty* property)
{
    m_data.remove(property);
}

QPixmap QtVariantPropertyManager::colorSwatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(2, 2, 12, 12), color);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawRect(QRect(2, 2, 11, 11));
    return pixmap;
}
