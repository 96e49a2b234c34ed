#include "app/SessionCheck.h"

QString SessionCheck::waylandNotice()
{
    return tr("Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под "
              "указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться "
              "Quillmoor полностью, войдите в сеанс Xorg.");
}
