#include "platform/DataExchange.h"

#include "platform/Control.h"
#include "platform/Window.h"

DataExchange::DataExchange(Window* window, bool saveAndValidate)
    : window(window), saving(saveAndValidate)
{
}

void DataExchange::Bind(int id, Control& control)
{
    if (Control* item = window->GetDlgItem(id)) {
        control = *item;
    }
}

void DataExchange::ComboIndex(int id, int& index)
{
    Control* item = window->GetDlgItem(id);
    if (!item) {
        return;
    }
    if (saving) {
        index = item->GetCurSel();
    } else {
        item->SetCurSel(index);
    }
}

void DataExchange::ComboString(int id, std::string& text)
{
    Control* item = window->GetDlgItem(id);
    if (!item) {
        return;
    }
    if (saving) {
        text = item->GetSelectedText();
    } else {
        item->SelectString(-1, text.c_str());
    }
}

void DataExchange::Check(int id, int& checked)
{
    Control* item = window->GetDlgItem(id);
    if (!item) {
        return;
    }
    if (saving) {
        checked = item->GetCheck();
    } else {
        item->SetCheck(checked);
    }
}

void DataExchange::Radio(int firstId, int& index)
{
    int count = window->GetControlCount();
    int first = 0;
    while (first < count && window->GetControlAt(first)->GetDlgCtrlID() != firstId) {
        ++first;
    }
    if (first == count) {
        return;
    }
    if (saving) {
        index = -1;
    }
    int button = 0;
    for (int i = first; i < count; ++i) {
        Control* control = window->GetControlAt(i);
        if (i > first && (control->GetStyle() & WS_GROUP)) {
            break;
        }
        if (control->GetKind() != CONTROL_RADIOBUTTON) {
            continue;
        }
        if (saving) {
            if (control->GetCheck() && index == -1) {
                index = button;
            }
        } else {
            control->SetCheck(button == index);
        }
        ++button;
    }
}

void DataExchange::Slider(int id, int& position)
{
    Control* item = window->GetDlgItem(id);
    if (!item) {
        return;
    }
    if (saving) {
        position = item->GetPos();
    } else {
        item->SetPos(position);
    }
}

void DataExchange::Text(int id, std::string& text)
{
    Control* item = window->GetDlgItem(id);
    if (!item) {
        return;
    }
    if (saving) {
        text = item->GetWindowText();
    } else {
        item->SetWindowText(text.c_str());
    }
}
