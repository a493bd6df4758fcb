// dialog_views: the Qt dialogs the desktop host puts over dialog models.
// The paragraph, column and case dialogs have views of their own (one file
// each); every other model (colour, symbol, fields) gets a form of its
// fields, the colour dialog a QColorDialog. Each runs modally and answers
// IDOK or IDCANCEL; the model keeps the values and does the checking.
#pragma once

#include "platform/host/IEvents.h"
#include "platform/host/IHostDialogs.h"

class QWidget;
class CParagraphDlg;
class CMTextColumnsDlg;
class CCaseDlg;

namespace gui {

int run_paragraph_dialog(CParagraphDlg& dialog, QWidget* parent);
int run_columns_dialog(CMTextColumnsDlg& dialog, QWidget* parent);
int run_case_dialog(CCaseDlg& dialog, QWidget* parent);
// The colour dialog ("Color") as a QColorDialog; any other model as a form.
int run_field_dialog(host_dialog_model& dialog, QWidget* parent);

// Runs the view the model calls for.
int run_dialog(host_dialog_model& dialog, QWidget* parent);

// Shows a dialog's refusal through the host's message box; F1 and Help go to the help service.
void warn(const OdString& text);
void show_help(const OdString& topic);

}  // namespace gui
