#pragma once
#include "tests/support/FixtureControl.h"

#include <memory>
#include <string>

namespace vdtest {

/// The control of the model tests over a fixture document.
inline std::unique_ptr<FixtureControl> MakeFixtureControl(const std::string& path,
                                                          const std::string& rootName = "TST") {
    return std::make_unique<FixtureControl>(
        "TEST", rootName, path, std::map<std::string, int>{{"ChannelName", 4}, {"ZoneName", 2}});
}

/// A small document with settings, a channel list, a zone list with members, a global choice
/// list, comments in awkward places and a window layout.
inline const char* kFixtureXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<TST>
  <!-- chapters -->
  <chapters type="template">
    <chapter id="c01" name="radio" parentID="" text="Radio" textCHN="电台" expanded="1"/>
    <!-- a comment between chapters -->
    <chapter id="c0103" name="settings" parentID="c01" text="Settings" showElement="1"/>
    <chapter id="c0109" name="channels" parentID="c01" text="Channels" showElement="1"/>
    <chapter id="c0104" name="zones" parentID="c01" text="Zones" showElement="1" showSelf="0"/>
    <chapter id="c0113" name="dtmf" parentID="c01" text="DTMF" showSelf=""/>
  </chapters>
  <elements>
    <element id="e01030001" name="radioName" parentID="c0103" textENG="Radio name" textCHN="名称" controlType="1" inputValue="Base"/>
    <!-- a comment among elements -->
    <element id="e01030002" name="Power" parentID="c0103" textENG="Power" controlType="3" choiceValue="global_power" inputValue="1"/>
    <element id="e01030003" name="Pick" parentID="c0103" textENG="" controlType="3" choiceValue="x elements_ChannelName_elements y" inputValue="0"/>
    <element id="e01030004" name="Missing" parentID="c0103" textENG="Missing" controlType="3" choiceValue="global_nothing"/>
    <element id="e01090001" name="ChannelName" parentID="c0109" controlType="0" defaultValue="7" inputValue="CH">
      <element id="e01099001" name="RxFrequency" controlType="1" inputValue="145000000"/>
      <!-- comment inside a record -->
      <element id="e01099002" name="scanListIndex" controlType="1" inputValue=""/>
    </element>
    <element id="e01090002" name="ChannelName" parentID="c0109" controlType="7" inputValue="CH1">
      <element id="e01099001" name="RxFrequency" controlType="1" inputValue="146000000"/>
      <element id="e01099002" name="scanListIndex" controlType="1" inputValue=""/>
    </element>
    <element id="e01090003" name="ChannelName" parentID="c0109" controlType="7" inputValue="CH2">
      <element id="e01099001" name="RxFrequency" controlType="1" inputValue="147000000"/>
      <element id="e01099002" name="scanListIndex" controlType="1" inputValue=""/>
    </element>
    <element id="e01090004" name="ChannelName" parentID="c0109" controlType="7" inputValue="CH3">
      <element id="e01099001" name="RxFrequency" controlType="1" inputValue="148000000"/>
      <element id="e01099002" name="scanListIndex" controlType="1" inputValue=""/>
    </element>
    <element id="e01040001" name="ZoneName" parentID="c0104" controlType="0" defaultValue="7" inputValue="">
      <element id="e01049001" name="Channel" controlType="1" inputValue=""/>
    </element>
    <element id="e01040002" name="ZoneName" parentID="c0104" controlType="7" inputValue="Home">
      <element id="e01049001" name="Channel" controlType="1" inputValue="e01090002"/>
      <element id="e01049002" name="Channel" controlType="1" inputValue="e01090003"/>
      <element id="e01049003" name="Channel" controlType="1" inputValue="e01090004"/>
      <element id="e01049009" name="Zone" controlType="3" inputValue="e01040009"/>
    </element>
  </elements>
  <global_value>
    <global_power value="0:Low|1:High"/>
  </global_value>
  <Window parentID="c0103">
    <row><Label text="General" textCHN="常规"/></row>
    <row><element name="radioName"/><element name="Power" bkcolor="0x00ff00"/></row>
    <element name="Pick" width="4" height="2"/>
  </Window>
</TST>
)";

} // namespace vdtest
