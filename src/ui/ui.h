// Our small component layer over Win32, in place of the class library the forms were written
// against. See control.h for how controls are made and how events flow.
#pragma once

#include "ui/application.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/icon.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/sjis.h"
#include "ui/str_to_int.h"
#include "ui/string_list.h"
#include "ui/system.h"
#include "ui/user.h"
