#include "JSUICallback.h"

JSUICallback::~JSUICallback() = default;

void JSUICallback::valueChanged (EComponent*, int, float) {}
void JSUICallback::buttonClicked (EComponent*) {}
float JSUICallback::defaultValueForParamId (int) { return 0.0f; }
float JSUICallback::currentValueForParamId (int) { return 0.0f; }
void JSUICallback::ui_beginGesture (EComponent*, int) {}
void JSUICallback::ui_endGesture (EComponent*, int) {}
