<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru_RU">
    <context>
        <name>AppSectionNavBar</name>
        <message>
            <source>Грамматика</source>
            <translation>语法</translation>
        </message>
        <message>
            <source>Как это работает</source>
            <translation>使用说明</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Повторение</source>
            <translation>复习</translation>
        </message>
    </context>
    <context>
        <name>FeedbackService</name>
        <message>
            <source>Quillmoor — отзыв</source>
            <translation>Quillmoor — 反馈</translation>
        </message>
    </context>
    <context>
        <name>GrammarWindowController</name>
        <message>
            <source>Грамматика</source>
            <translation>语法</translation>
        </message>
    </context>
    <context>
        <name>ReviewWindowController</name>
        <message>
            <source>Повторение</source>
            <translation>复习</translation>
        </message>
    </context>
    <context>
        <name>TrayIconController</name>
        <message>
            <source>Language Settings…</source>
            <translation>语言设置…</translation>
        </message>
        <message>
            <source>QM</source>
            <translation>QM</translation>
        </message>
        <message>
            <source>Quick Lookup…</source>
            <translation>快速查词…</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>退出</translation>
        </message>
        <message>
            <source>Грамматика…</source>
            <translation>语法…</translation>
        </message>
        <message>
            <source>Как это работает…</source>
            <translation>使用说明…</translation>
        </message>
        <message>
            <source>Отправить фидбек…</source>
            <translation>发送反馈…</translation>
        </message>
        <message>
            <source>Повторение…</source>
            <translation>复习…</translation>
        </message>
    </context>
</TS>
