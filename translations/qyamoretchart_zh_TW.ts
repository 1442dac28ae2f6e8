<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>休·葛蘭</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>艾爾頓·塞納</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>席內丁·席丹</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>凱蒂·佩芮</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>史嘉蕾·喬韓森</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>珍·芳達</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>傑克·尼克遜</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>安東尼·霍普金斯</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>梅莉·史翠普</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>艾迪·墨菲</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>巴拉克·歐巴馬</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>綺拉·奈特莉</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>科菲·安南</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>史提夫·汪達</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>茱蒂·佛斯特</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>李奧納多·狄卡皮歐</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>女神卡卡</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>尤塞恩·波特</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>蒂娜·透納</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>莎莉·萊德</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>麥可·喬丹</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>大衛·貝克漢</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>安潔莉娜·裘莉</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>利昂內爾·梅西</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>約翰·藍儂</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>李小龍</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>基努·李維</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>巴布·狄倫</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>史蒂芬·霍金</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>穆罕默德·阿里</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>皮爾斯·布洛斯南</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>沙魯克·汗</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>泰勒絲</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>保羅·麥卡尼</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>哈里遜·福特</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>成龍</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>安格拉·梅克爾</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>艾瑪·華森</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>米克·傑格</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>史帝夫·賈伯斯</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>提姆·柏納-李</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>妮可·基嫚</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>茱莉亞·羅勃茲</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>諾拉·瓊斯</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>黛安娜·羅絲</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>喬治·盧卡斯</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>湯姆·漢克斯</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>席琳·狄翁</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>休·傑克曼</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>姚明</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>艾瑞克·克萊普頓</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>娜塔莉·波曼</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>羅傑·費德勒</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>小威廉絲</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>雪兒</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>佛萊迪·墨裘瑞</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>莎朗·史東</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>普林斯</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>瑪丹娜</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>安卓·阿格西</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>麥特·戴蒙</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>安·海瑟薇</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>艾爾頓·強</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>史蒂芬·金</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>艾瑪·湯普遜</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>伊旺·麥奎格</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>克里斯·漢斯沃</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家創業好機會：開創屬於您自己的網路事業，在網路上賺錢。讓本軟體全面換上您網站的品牌。點選此處瞭解詳情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>為您的網站聯名推出本軟體，提升網站的訪客忠誠度與流量。在這裡放上您網站的名稱與連結。詳情請見「說明」選單。點選此處瞭解聯名合作的更多資訊。</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>歡迎光臨我們的論壇：%1</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>歡迎到論壇分享您的解讀，點此造訪 %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Rat</source>
        <translation>鼠</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>羊</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猴</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>雞</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>豬</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>土</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>西方（247.6 至 292.5 度）</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>南方（157.6 至 202.5 度）</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>東方（67.6 至 112.5 度）</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>北方（337.6 至 22.5 度）</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>在此方位擺放公雞擺件或圖畫</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>在此方位擺放駿馬擺件或圖畫</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>在此方位擺放兔子擺件或圖畫</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>在此方位擺放鼠形擺件或圖畫</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>木星</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>土星</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>天王星</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>火星</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>金星</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水星</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>龍、猴</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>蛇、雞</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>馬、狗</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>羊、豬</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>鼠、猴</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>牛、雞</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>虎、狗</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>兔、豬</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>鼠、龍</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>牛、龍、蛇</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>虎、馬</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>兔、羊</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>虎、豬</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>淺藍色</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫羅蘭色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>淡綠色</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>青綠色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>粉紅色、紫色</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>黃色、金色</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>蜜桃色、杏色</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>淡黃色</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>深藍色</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>鐵鋁榴石、紅石榴石</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>白瑪瑙</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>藍寶石</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>貴橄欖石</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>紫水晶</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>苔蘚瑪瑙</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>綠柱石</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>祖母綠</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>碧玉</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>鑽石</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>托帕石</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>陰</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>陰</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>陰</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>陽</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>冬末</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>初春</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>仲春</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>春末</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>初夏</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>仲夏</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>夏末</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>初秋</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>仲秋</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>秋末</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>初冬</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>您專注而自信，從不畏懼障礙，也不會因此放慢腳步。您自立自強，不喜歡別人干涉。您有時固執、任性又衝動，但內心十分強大。您懂得享受生活中的美好事物。您對別人的要求可能和對自己一樣嚴格。</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>您如水般靈動，總能以含蓄的魅力化解難題。您說服別人靠的是潛移默化，從不強求。您待人處事一向圓融得體，深得他人信任。您直覺敏銳，能讀懂別人的心思；又善於溝通，輕易就能影響他人。您做事很有條理，只是有時難以始終如一。</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>您對自己充滿信心，舉止莊重沉穩，從不汲汲於追逐名利。您做事有條有理、按部就班。您喜歡團隊合作，樂於與人分享成功的果實，毫不自私。您興趣廣泛，涉獵多方。您有時過於依賴他人。您承擔責任應量力而為。您的學識與閱歷會隨著歲月愈顯價值。</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>您天性衝動，魅力十足。您善於領導與激勵他人，很容易吸引眾人追隨。您堅守自己的理想，誰也無法說服您放棄。您對自己的決定深信不疑。您積極進取，熱衷於開拓新天地，簡直是為挑戰而生。您有時會顯得過於強勢。您也極具雄心。</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>您天性重理性而輕感性。沉靜穩重的氣度為您贏得他人的尊重。您處事謹慎，從容掌控局面。陌生的事物會令您不安。您注重細節，認真對待人生。您善於組織與規劃，自律而保守。</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>桃花方位</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>催旺桃花</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>守護星</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>最合生肖</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>最忌生肖</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>吉利季節</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>吉利月份</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>幸運色</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>幸運寶石</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>陰陽</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>同生肖名人</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>本程式已在執行中</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本軟體可能有新版本可用<byte value="xd"/>要檢查更新嗎？</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY 桃花命盤源自易經，是一種尋找並催旺個人桃花方位的中國傳統方法。本軟體根據您的桃花方位為您提供建議。本軟體的一切權利歸 QY 桃花命盤的製作者所有。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家創業好機會：開創屬於您自己的網路事業，在網路上賺錢。讓本軟體全面換上您網站的品牌。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>點選此處造訪 %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>點選此處瞭解詳情。</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>QY 桃花命盤圖示</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>用中國桃花命盤探知您的桃花方位。請輸入您的個人資料，馬上開始。</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>請填寫您的資料</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>出生日期：日</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>出生日期：月</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>出生日期：年</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>查看我的桃花運勢(&amp;G)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>請輸入正確的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>請輸入正確的日期或月份！</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>QY 桃花命盤解讀</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>檢查軟體更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>贊助(&amp;D)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>生肖圖片</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>紫色圓盤上用白線畫的%1</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY 桃花命盤 v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY 桃花命盤</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>桃花命盤</translation>
    </message>
</context>
</TS>
