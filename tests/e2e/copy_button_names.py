"""What a screen reader hears for the shown "!" buttons on each page, and the walk over
both pages that checks it, shared by the Linux and the Windows build's tests."""

from waiting import DEFAULT_TIMEOUT, wait_until

COPY_PREFIX = "Копировать: "

AUTHORS_PAGE = {
    "Копировать: Имя",
    "Копировать: Фамилия",
    "Копировать: Отчество",
    "Копировать: Фирма или организация",
    "Копировать: Должность",
    "Копировать: Адрес 1",
    "Копировать: Адрес 2",
    "Копировать: Город",
    "Копировать: Штат или регион",
    "Копировать: Страна",
    "Копировать: Почтовый индекс",
    "Копировать: e-mail",
    "Копировать: Телефон",
    "Копировать: Факс",
    "Копировать: Комментарии",
}
PROGRAM_PAGE = {
    "Копировать: Название программы",
    "Копировать: e-mail",
    "Копировать: Адрес для скачивания 1",
    "Копировать: Адрес для скачивания 2",
    "Копировать: Ссылка на сайт",
    "Копировать: Короткое описание",
    "Копировать: Версия",
    "Копировать: Полное описание",
}


class NamesOnBothPages:
    """Checks the names on page 1, page 2 and page 1 again, so that the change with the page
    is seen; a test case gives copy_button_names() and the window already shown."""

    names_timeout = DEFAULT_TIMEOUT
    names_source = "the accessibility bus"

    def assert_names(self, expected):
        wait_until(lambda: self.copy_button_names() == sorted(expected), self.names_timeout,
                   interval=0.5, what=f"the buttons' names through {self.names_source}")

    def check_names_on_both_pages(self):
        self.desktop.wait_page(1)
        self.assert_names(AUTHORS_PAGE)
        self.desktop.show_page(2)
        self.assert_names(PROGRAM_PAGE)
        self.desktop.show_page(1)
        self.assert_names(AUTHORS_PAGE)
