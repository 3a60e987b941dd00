#include "document/Document.h"

bool AxisSettings::operator==(const AxisSettings& o) const {
    return automatic == o.automatic && manualMinimum == o.manualMinimum &&
           manualMaximum == o.manualMaximum && labelFormat == o.labelFormat &&
           scientific == o.scientific && decimals == o.decimals && minorGrid == o.minorGrid;
}

bool Document::operator==(const Document& o) const {
    return table == o.table && roles == o.roles && selectionTop == o.selectionTop &&
           selectionBottom == o.selectionBottom && currentFileName == o.currentFileName &&
           modified == o.modified && fitType == o.fitType && errorMethod == o.errorMethod &&
           userModel == o.userModel && graphType == o.graphType && graphTitle == o.graphTitle &&
           xAxisTitle == o.xAxisTitle && yAxisTitle == o.yAxisTitle && pointStyle == o.pointStyle &&
           dataPointColor == o.dataPointColor && fitLineColor == o.fitLineColor &&
           errorBarsShown == o.errorBarsShown && errorBarColor == o.errorBarColor &&
           errorBarWidth == o.errorBarWidth && xAxis == o.xAxis && yAxis == o.yAxis &&
           xFormatFixed == o.xFormatFixed && yFormatFixed == o.yFormatFixed;
}
